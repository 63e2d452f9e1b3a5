// File reads through the paks and the virtual file system, and CRC-trailed
// writes through the file system's one replacing writer.
#include "qrvl/original/framework/FGFileSystem.h"

#include "norv/base/core/CRC32.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGPakReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

FGFileSystem::FGFileSystem()
    : primaryPakName("res.pak")
{
}

FGFileSystem::~FGFileSystem() = default;

void FGFileSystem::init()
{
    auto primary = std::make_unique<FGPakReader>();
    primary->init(primaryPakName.getNativeString());
    addPakReader(std::move(primary), kPrimaryPakId);
}

bool FGFileSystem::addPakReader(std::unique_ptr<FGPakReader> reader, int id)
{
    if (!reader)
        return false;
    if (getNumPakReaders() >= kMaxPakReaders) {
        std::fprintf(stderr, "FGFileSystem: Too make Pak Readers added to the FGFileSystem\n");
        return false;
    }
    paks.push_back({id, std::move(reader)});
    return true;
}

int FGFileSystem::removePakReader(int id)
{
    auto found = std::find_if(paks.begin(), paks.end(), [id](Pak const& pak) { return pak.id == id; });
    if (found != paks.end())
        paks.erase(found);
    return getNumPakReaders();
}

std::unique_ptr<FGData> FGFileSystem::getFile(char const* name) const
{
    for (Pak const& pak : paks)
        if (std::unique_ptr<FGData> packed = pak.reader->getFile(name))
            return packed;
    return ReadFromVfs(name);
}

std::unique_ptr<FGData> FGFileSystem::ReadFromVfs(char const* name)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    if (!file)
        return nullptr;
    int const length = file->GetLength();
    auto data = std::make_unique<FGData>();
    if (length < 0 || !data->init(length) || !data->readFrom(*file, length)) {
        std::fprintf(stderr, "FGFileSystem: cannot read \"%s\"\n", name);
        return nullptr;
    }
    return data;
}

FGData* FGFileSystem::getFile(char const* name, FGData* into) const
{
    if (!into)
        return nullptr;
    for (Pak const& pak : paks)
        if (pak.reader->getFile(name, into))
            return into;
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    if (!file)
        return nullptr;
    int const length = file->GetLength();
    if (length < 0 || length > into->getCapacity()) {
        std::fprintf(stderr, "FGFileSystem: Buffer too small for requested file in getFile (\"%s\")\n", name);
        return nullptr;
    }
    return into->readFrom(*file, length) ? into : nullptr;
}

int FGFileSystem::getFileLength(char const* name) const
{
    if (!name || !*name)
        return -1;
    for (Pak const& pak : paks) {
        int const length = pak.reader->getFileLength(name);
        if (length >= 0)
            return length;
    }
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    return file ? std::max(file->GetLength(), -1) : -1;
}

bool FGFileSystem::putFile(char const* name, FGData const* data)
{
    return putFile(name, data, 0, data ? data->getLength() : 0);
}

bool FGFileSystem::putFile(char const* name, FGData const* data, int offset, int length)
{
    if (!name || (data && (offset < 0 || length < 0 || offset > data->getLength() - length)))
        return false;
    // Without data the file is left empty, with no trailer.
    std::vector<unsigned char> file;
    if (data) {
        unsigned char const* body = data->getData() + offset;
        file.assign(body, body + length);
        Norv::AppendLittleEndian32(file, CalculateChecksum(body, length));
    }
    return Norv::VfsReplaceFile(name, file.data(), static_cast<int>(file.size()));
}

uint32_t FGFileSystem::CalculateChecksum(unsigned char const* bytes, int n)
{
    return (bytes && n > 0) ? Norv::CRC32::WholeBlock(bytes, static_cast<unsigned int>(n)) : 0;
}

bool FGFileSystem::CheckFileIntegrity(char const* name)
{
    std::unique_ptr<FGData> file = getFile(name);
    if (file && file->getLength() > kTrailerBytes) {
        int const bodyLength = file->getLength() - kTrailerBytes;
        if (Norv::DecodeLittleEndian32(file->getData() + bodyLength) == CalculateChecksum(file->getData(), bodyLength))
            return true;
    }
    // A file that is already empty stays as it is: writing it again would
    // cost a synchronised write at every start.
    if (file && file->getLength() == 0)
        return false;
    // Without a copy aside the damaged file is the only one, and it stays.
    if (file && !KeepDamagedCopy(name, file->getData(), file->getLength()))
        return false;
    putFile(name, nullptr);
    return false;
}

bool FGFileSystem::KeepDamagedCopy(char const* name, unsigned char const* bytes, int length)
{
    // Only the latest damaged copy is kept.
    std::string const kept = std::string(name) + kDamagedSuffix;
    if (!Norv::VfsReplaceFile(kept.c_str(), bytes, length)) {
        std::fprintf(stderr, "FGFileSystem: \"%s\" is damaged and \"%s\" cannot be written; it is left as it is\n",
                     name, kept.c_str());
        return false;
    }
    std::fprintf(stderr, "FGFileSystem: \"%s\" is damaged; its bytes are kept in \"%s\"\n", name, kept.c_str());
    damagedFiles().insert(name);
    return true;
}

bool FGFileSystem::TakeDamageNotice(char const* name)
{
    return damagedFiles().erase(name) > 0;
}

std::set<std::string>& FGFileSystem::damagedFiles()
{
    static std::set<std::string> names;
    return names;
}
