// The directory of an "FGPAK" archive and the LZMA decoding of its entries.
#include "qrvl/original/framework/FGPakReader.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"

#include <LzmaDec.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kMagic[FGPakReader::kMagicBytes + 1] = "FGPAK";
// A directory record: name length, stored size, size and offset.
constexpr int kMinimumRecordBytes = 16;
// An entry's data starts with the properties byte, the dictionary size and
// the 64-bit decoded size.
constexpr int kEntryHeaderBytes = 1 + 4 + 8;
constexpr int kDecodedSizeOffset = 5;
// (pb x 5 + lp) x 9 + lc with pb < 5, lp < 5, lc < 9.
constexpr int kPropertiesLimit = 9 * 5 * 5;
// The framework's data files are small; a decoded size beyond this is a
// damaged or hostile entry, not a file worth the memory.
constexpr int kMaxDecodedBytes = 64 << 20;

void* LzmaAlloc(void*, size_t size)
{
    return std::malloc(size);
}

void LzmaFree(void*, void* address)
{
    std::free(address);
}

ISzAlloc lzmaAllocator = {LzmaAlloc, LzmaFree};

// The decoded size of an entry's data, or 0 when it cannot be decoded.
int DecodedSize(FGData const& packed)
{
    if (packed.getLength() < kEntryHeaderBytes || packed.getData()[0] >= kPropertiesLimit)
        return 0;
    auto const size = static_cast<int32_t>(Norv::DecodeLittleEndian32(packed.getData() + kDecodedSizeOffset));
    if (size < 1 || size > kMaxDecodedBytes) {
        std::fprintf(stderr, "FGPakReader: assertion failed in file system (decoded size %d)\n", size);
        return 0;
    }
    return size;
}

bool Decode(FGData const& packed, FGData& into, int size)
{
    SizeT outputBytes = static_cast<SizeT>(size);
    SizeT inputBytes = static_cast<SizeT>(packed.getLength() - kEntryHeaderBytes);
    ELzmaStatus status;
    SRes const result = LzmaDecode(into.getData(), &outputBytes, packed.getData() + kEntryHeaderBytes, &inputBytes,
                                   packed.getData(), LZMA_PROPS_SIZE, LZMA_FINISH_ANY, &status, &lzmaAllocator);
    if (result != SZ_OK || outputBytes != static_cast<SizeT>(size)) {
        std::fprintf(stderr, "FGPakReader: a damaged entry (decoder result %d)\n", static_cast<int>(result));
        return false;
    }
    into.setLength(size);
    return true;
}

} // namespace

void FGPakReader::reset()
{
    entries.clear();
    archiveName.set("");
    memory = nullptr;
}

bool FGPakReader::init(char const* fileName)
{
    reset();
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(fileName));
    if (!file)
        return false;
    int const archiveLength = file->GetLength();
    FGData fixedPart;
    if (!fixedPart.init(kFixedHeaderBytes) || !fixedPart.readFrom(*file, kFixedHeaderBytes))
        return false;
    // The header size says how much to read; readDirectory checks the rest.
    FGDataReader peek;
    peek.init(&fixedPart);
    peek.setDataPos(kMagicBytes);
    int const headerSize = peek.readInt();
    if (headerSize < kFixedHeaderBytes || headerSize > archiveLength)
        return false;
    FGData header;
    if (!header.init(headerSize) || !file->Seek(0, Norv::SeekableStream::FromStart) ||
        !header.readFrom(*file, headerSize) || !readDirectory(header, archiveLength))
        return false;
    archiveName.set(fileName);
    return true;
}

bool FGPakReader::init(FGData* archive)
{
    reset();
    if (!archive)
        return false;
    FGData header;
    header.contain(archive->getData(), archive->getLength());
    if (!readDirectory(header, archive->getLength()))
        return false;
    memory = archive;
    return true;
}

bool FGPakReader::readDirectory(FGData& header, int archiveLength)
{
    FGDataReader reader;
    reader.init(&header);
    char magic[kMagicBytes];
    if (!reader.readFromData(magic, kMagicBytes) || std::memcmp(magic, kMagic, kMagicBytes) != 0)
        return false;
    int const headerSize = reader.readInt();
    if (reader.hasError() || headerSize < kFixedHeaderBytes || headerSize > header.getLength())
        return false;
    header.setLength(headerSize); // the directory ends where entry data may begin
    int const count = reader.readCount(kMinimumRecordBytes);
    std::vector<Entry> read;
    read.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count && !reader.hasError(); ++i) {
        Entry entry;
        entry.name = reader.readUTF();
        entry.storedSize = reader.readInt();
        entry.size = reader.readInt();
        entry.offset = reader.readInt();
        if (reader.hasError())
            break;
        bool const fits = entry.storedSize >= kEntryHeaderBytes && entry.size >= 0 && entry.offset >= 0 &&
                          entry.offset <= archiveLength - entry.storedSize;
        if (!fits) {
            std::fprintf(stderr, "FGPakReader: entry \"%s\" lies outside the archive\n", entry.name.getNativeString());
            return false;
        }
        read.push_back(std::move(entry));
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "FGPakReader: the directory is cut short\n");
        return false;
    }
    entries = std::move(read);
    return true;
}

int FGPakReader::getFileIndex(char const* name) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].name.equals(name))
            return static_cast<int>(i);
    return -1;
}

int FGPakReader::getFileLength(char const* name) const
{
    int const index = getFileIndex(name);
    return index < 0 ? -1 : entries[static_cast<size_t>(index)].size;
}

FGString FGPakReader::getFileName(int i) const
{
    return (i >= 0 && i < getNumFiles()) ? entries[static_cast<size_t>(i)].name : FGString();
}

bool FGPakReader::readPacked(char const* name, FGData& packed) const
{
    int const index = getFileIndex(name);
    if (index < 0)
        return false;
    Entry const& entry = entries[static_cast<size_t>(index)];
    if (!packed.init(entry.storedSize))
        return false;
    bool read;
    if (memory) {
        read = entry.offset <= memory->getLength() - entry.storedSize;
        if (read)
            std::memcpy(packed.getData(), memory->getData() + entry.offset, static_cast<size_t>(entry.storedSize));
        packed.setLength(read ? entry.storedSize : 0);
    } else {
        // The archive is reopened for each read, so it is never held open.
        Norv::SmartPtr<Norv::File> file(Norv::OpenFile(archiveName.getNativeString()));
        read = file && file->Seek(entry.offset, Norv::SeekableStream::FromStart) &&
               packed.readFrom(*file, entry.storedSize);
    }
    if (!read || DecodedSize(packed) != entry.size) {
        std::fprintf(stderr, "FGPakReader: entry \"%s\" of %s cannot be read as listed\n", name,
                     memory ? "an archive in memory" : archiveName.getNativeString());
        return false;
    }
    return true;
}

std::unique_ptr<FGData> FGPakReader::getFile(char const* name) const
{
    FGData packed;
    return readPacked(name, packed) ? uncompress(packed) : nullptr;
}

FGData* FGPakReader::getFile(char const* name, FGData* into) const
{
    FGData packed;
    return readPacked(name, packed) ? uncompress(packed, into) : nullptr;
}

std::unique_ptr<FGData> FGPakReader::uncompress(FGData const& packed)
{
    int const size = DecodedSize(packed);
    auto decoded = std::make_unique<FGData>();
    if (!size || !decoded->init(size) || !Decode(packed, *decoded, size))
        return nullptr;
    return decoded;
}

FGData* FGPakReader::uncompress(FGData const& packed, FGData* into)
{
    int const size = DecodedSize(packed);
    if (!size || !into)
        return nullptr;
    if (into->getCapacity() < size) {
        std::fprintf(stderr, "FGPakReader: Buffer too small in uncompress\n");
        return nullptr;
    }
    return Decode(packed, *into, size) ? into : nullptr;
}
