#include "norv/vfs/CompressedFile.h"

#include "norv/vfs/BlockReadAhead.h"
#include "norv/vfs/LittleEndian.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace Norv {

namespace {

// Header: data start, block size, table bytes, then the LZMA properties.
constexpr int kHeaderSize = 12 + LzmaDecoder::kPropertiesSize;
// Bit 31 of a table entry marks an LZMA-coded block; the rest is its end.
constexpr uint32_t kCompressedBit = 0x80000000u;
constexpr uint32_t kEndMask = 0x7FFFFFFFu;

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
    // The kept block goes with the container it came from.
    std::vector<unsigned char>().swap(blockBytes);
    blockFill = 0;
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
        int const chunk = std::min(blockSize - offset, remaining);
        int const got = ReadInBlock(block, offset, out, chunk);
        if (got < 0)
            break;
        total += got;
        position += got;
        out += got;
        remaining -= got;
        if (got < chunk) {
            std::fprintf(stderr, "vfs: block %d of a container is damaged\n", block);
            break;
        }
    }
    return total;
}

int CompressedFile::ReadInBlock(int block, int offset, unsigned char* out, int chunk)
{
    if (block != currentBlock) {
        if (unsigned char const* decoded = readAhead ? readAhead->DecodedBlock(block) : nullptr) {
            std::memcpy(out, decoded + offset, static_cast<size_t>(chunk));
            return chunk;
        }
        // Straight into the caller's buffer, saving a copy: a read that
        // wants all of a block does not come back to it.
        if (chunk == blockSize)
            return ReadBlock(block, out);
        if (!StartBlock(block))
            return -1;
    }
    FillBlock(offset + chunk);
    int const got = std::clamp(blockFill - offset, 0, chunk);
    std::memcpy(out, blockBytes.data() + offset, static_cast<size_t>(got));
    return got;
}

int CompressedFile::ReadBlock(int block, unsigned char* out)
{
    if (block < 0 || block >= GetBlockCount() || !StartBlock(block))
        return -1;
    int const got = Produce(out, blockSize);
    // The kept bytes were not filled: nothing of this block is kept.
    currentBlock = -1;
    return got;
}

bool CompressedFile::StartBlock(int block)
{
    uint32_t const start = block == 0 ? 0 : table[static_cast<size_t>(block) - 1] & kEndMask;
    uint32_t const end = table[static_cast<size_t>(block)] & kEndMask;
    currentBlock = -1;
    // Both ends were checked against the file size, which is an int.
    if (!PosixFile::Seek(static_cast<int>(dataStart + start), FromStart))
        return false;
    blockFill = 0;
    blockEnded = false;
    blockCompressed = (table[static_cast<size_t>(block)] & kCompressedBit) != 0;
    rawLeft = end - start;
    if (blockCompressed)
        decoder.Restart(this, rawLeft);
    currentBlock = block;
    return true;
}

void CompressedFile::FillBlock(int offset)
{
    if (blockEnded || blockFill >= offset)
        return;
    blockBytes.resize(static_cast<size_t>(blockSize));
    int const wanted = offset - blockFill;
    int const got = Produce(blockBytes.data() + blockFill, wanted);
    blockFill += got;
    blockEnded = got < wanted;
}

int CompressedFile::Produce(unsigned char* out, int wanted)
{
    if (blockCompressed)
        return decoder.Decode(out, wanted);
    // A raw block is its stored bytes as they are.
    int const got = std::max(PosixFile::Read(out, static_cast<int>(std::min<int64_t>(wanted, rawLeft))), 0);
    rawLeft -= got;
    return got;
}

} // namespace Norv
