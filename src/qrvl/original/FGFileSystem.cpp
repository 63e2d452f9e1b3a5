// File reads through the paks and the virtual file system, and CRC-trailed
// writes that replace a file only once the new one is complete.
#include "qrvl/original/FGFileSystem.h"

#include "norv/base/core/CRC32.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/FGData.h"
#include "qrvl/original/FGPakReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Attempts at a write before it is given up, as the game has always made
// them: a failure with a passing cause gets more chances.
constexpr int kWriteAttempts = 1025;

// Stdio reports some write faults only when the file is closed, which the
// engine's streams do not pass on: read the file back to be sure it holds
// exactly the bytes meant for it.
bool HoldsExactly(char const* name, unsigned char const* body, int length, unsigned char const* trailer)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name));
    int const expected = length + (trailer ? FGFileSystem::kTrailerBytes : 0);
    FGData written;
    if (!file || file->GetLength() != expected || !written.init(expected) || !written.readFrom(*file, expected))
        return false;
    return (length == 0 || std::memcmp(written.getData(), body, static_cast<size_t>(length)) == 0) &&
           (!trailer || std::memcmp(written.getData() + length, trailer, FGFileSystem::kTrailerBytes) == 0);
}

} // namespace

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
    int const length = data ? data->getLength() : 0;
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt)
        if (putFile(name, data, 0, length))
            return true;
    std::fprintf(stderr, "FGFileSystem: could not write \"%s\"; the previous file is kept\n", name);
    return false;
}

bool FGFileSystem::putFile(char const* name, FGData const* data, int offset, int length)
{
    if (!name || (data && (offset < 0 || length < 0 || offset > data->getLength() - length)))
        return false;
    std::string const temporary = std::string(name) + kTemporarySuffix;
    unsigned char const* body = data ? data->getData() + offset : nullptr;
    int const bodyLength = data ? length : 0;
    std::vector<unsigned char> trailer;
    Norv::AppendLittleEndian32(trailer, CalculateChecksum(body, bodyLength));
    {
        Norv::SmartPtr<Norv::File> file(Norv::VfsCreateFile(temporary.c_str()));
        if (!file)
            return false;
        bool const written = !data || (file->Write(body, bodyLength) == bodyLength &&
                                       file->Write(trailer.data(), kTrailerBytes) == kTrailerBytes);
        if (!written)
            return false;
    } // closed here, before it is checked and renamed
    return HoldsExactly(temporary.c_str(), body, bodyLength, data ? trailer.data() : nullptr) &&
           Norv::VfsRenameFile(temporary.c_str(), name);
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
    putFile(name, nullptr);
    return false;
}
