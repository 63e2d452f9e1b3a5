#include "norv/vfs/CompressedFile.h"

#include "norv/vfs/LittleEndian.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace Norv {

namespace {

// Header: data start, block size, table bytes, then the LZMA properties.
constexpr int kHeaderSize = 12 + LzmaDecoder::kPropertiesSize;
// Bit 31 of a table entry marks an LZMA-coded block; the rest is its end.
constexpr uint32_t kCompressedBit = 0x80000000u;
constexpr uint32_t kEndMask = 0x7FFFFFFFu;
// Skipping to an offset inside a compressed block decodes into a scratch
// buffer of this size.
constexpr int kSkipPiece = 512;

bool Refuse(char const* why)
{
    std::fprintf(stderr, "vfs: damaged container: %s\n", why);
    return false;
}

} // namespace

CompressedFile::~CompressedFile()
{
    Close();
}

bool CompressedFile::OpenExisting(char const* path)
{
    if (!ResourceFile::OpenExisting(path))
        return false;
    int const fileSize = PosixFile::GetLength();
    int64_t tableBytes = 0;
    if (!ReadHeader(fileSize, tableBytes) || !ReadTable(tableBytes, fileSize)) {
        Close();
        return false;
    }
    length = static_cast<int>(table.size()) * blockSize;
    return true;
}

bool CompressedFile::ReadHeader(int fileSize, int64_t& tableBytes)
{
    unsigned char header[kHeaderSize];
    if (fileSize < kHeaderSize || PosixFile::Read(header, kHeaderSize) != kHeaderSize)
        return Refuse("short header");
    dataStart = DecodeLittleEndian32(header);
    uint32_t const size = DecodeLittleEndian32(header + 4);
    tableBytes = static_cast<int32_t>(DecodeLittleEndian32(header + 8));
    if (size == 0 || size > INT_MAX)
        return Refuse("bad block size");
    blockSize = static_cast<int>(size);
    if (dataStart > static_cast<uint32_t>(fileSize))
        return Refuse("data start past the end");

    if (!decoder.Allocate(header + 12))
        return Refuse("bad LZMA properties");
    return true;
}

bool CompressedFile::ReadTable(int64_t tableBytes, int fileSize)
{
    int64_t const count = (tableBytes < 0 ? -tableBytes : tableBytes) / 4;
    if (count < 1)
        return Refuse("no blocks");
    // Every block stores at least one byte, so the file bounds the count.
    if (count > fileSize || count > INT_MAX / 4)
        return Refuse("more blocks than the file holds");
    if (count * blockSize > INT_MAX)
        return Refuse("stream too long");

    int const tableSize = static_cast<int>(count * 4);
    std::vector<unsigned char> bytes(static_cast<size_t>(tableSize));
    if (tableBytes < 0) {
        if (PosixFile::Read(bytes.data(), tableSize) != tableSize)
            return Refuse("short block table");
    } else {
        decoder.Restart(this, fileSize - kHeaderSize);
        if (decoder.Decode(bytes.data(), tableSize) != tableSize)
            return Refuse("block table does not decode");
    }

    table.resize(static_cast<size_t>(count));
    uint32_t previousEnd = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        table[i] = DecodeLittleEndian32(&bytes[i * 4]);
        uint32_t const end = table[i] & kEndMask;
        if (end <= previousEnd)
            return Refuse("block ends go backwards");
        previousEnd = end;
    }
    if (previousEnd > static_cast<uint32_t>(fileSize) - dataStart)
        return Refuse("blocks past the end of the file");
    return true;
}

bool CompressedFile::Close()
{
    decoder.Free();
    table.clear();
    length = 0;
    currentBlock = -1;
    return true;
}

bool CompressedFile::Seek(int offset, SeekMode mode)
{
    int64_t target;
    if (!SeekTarget(offset, mode, position, length, target))
        return true;
    position = static_cast<int>(std::clamp<int64_t>(target, 0, length));
    return true;
}

int CompressedFile::Read(void* buffer, int bytes)
{
    if (bytes <= 0 || position < 0 || position >= length)
        return 0;
    unsigned char* out = static_cast<unsigned char*>(buffer);
    int remaining = std::min(bytes, length - position);
    int total = 0;
    while (remaining > 0) {
        int const block = position / blockSize;
        int const offset = position % blockSize;
        // A block is always decoded from its start: going back means starting over.
        if ((block != currentBlock || blockPosition > offset) && !StartBlock(block))
            break;
        int const chunk = std::min(blockSize - offset, remaining);
        int const got = ReadFromBlock(out, offset, chunk);
        total += got;
        position += got;
        out += got;
        remaining -= got;
        if (got < chunk) {
            std::fprintf(stderr, "vfs: block %d of a container is damaged\n", block);
            currentBlock = -1;
            break;
        }
    }
    return total;
}

bool CompressedFile::StartBlock(int block)
{
    uint32_t const start = block == 0 ? 0 : table[static_cast<size_t>(block) - 1] & kEndMask;
    uint32_t const end = table[static_cast<size_t>(block)] & kEndMask;
    currentBlock = -1;
    // Both ends were checked against the file size, which is an int.
    if (!PosixFile::Seek(static_cast<int>(dataStart + start), FromStart))
        return false;
    decoder.Restart(this, end - start);
    rawLeft = end - start;
    currentBlock = block;
    blockPosition = 0;
    blockCompressed = (table[static_cast<size_t>(block)] & kCompressedBit) != 0;
    return true;
}

int CompressedFile::ReadFromBlock(unsigned char* out, int offset, int bytes)
{
    if (blockCompressed) {
        unsigned char scratch[kSkipPiece];
        while (blockPosition < offset) {
            int const piece = std::min(kSkipPiece, offset - blockPosition);
            int const skipped = decoder.Decode(scratch, piece);
            blockPosition += skipped;
            if (skipped < piece)
                return 0;
        }
        int const got = decoder.Decode(out, bytes);
        blockPosition += got;
        return got;
    }
    // A raw block is its stored bytes as they are.
    if (blockPosition < offset) {
        if (!PosixFile::Seek(offset - blockPosition, FromCurrent))
            return 0;
        rawLeft -= offset - blockPosition;
        blockPosition = offset;
    }
    if (rawLeft <= 0)
        return 0;
    int const got = PosixFile::Read(out, static_cast<int>(std::min<int64_t>(bytes, rawLeft)));
    if (got <= 0)
        return 0;
    rawLeft -= got;
    blockPosition += got;
    return got;
}

} // namespace Norv
