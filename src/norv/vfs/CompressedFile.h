// The block-compressed container read as one seekable stream: fixed-size
// blocks stored raw or as separate LZMA streams, found through a table of
// block ends. What was read of the current block is kept, so the small
// reads and seeks back of image and text readers decode each byte once.
#pragma once

#include "norv/vfs/LzmaDecoder.h"
#include "norv/vfs/posix/ResourceFile.h"

#include <cstdint>
#include <vector>

namespace Norv {

class BlockReadAhead;

class CompressedFile : public ResourceFile {
public:
    ~CompressedFile() override;

    // Opens the container and reads its header and block table; false, with
    // nothing held, when any of it is missing or implausible.
    bool OpenExisting(char const* path) override;
    // Bytes really delivered: fewer when a block is damaged or cut short.
    int Read(void* buffer, int bytes) override;
    int Write(void const*, int) override { return 0; }
    // Clamped to the stream; any other mode keeps the position.
    bool Seek(int offset, SeekMode mode) override;
    int Tell() override { return position; }
    int GetLength() override { return length; }
    // Frees the table and the decoder; the host file stays open.
    bool Close() override;

    int GetBlockSize() const { return blockSize; }
    int GetBlockCount() const { return static_cast<int>(table.size()); }
    // Decodes the whole of `block` into `out`, which holds a block; the
    // bytes delivered, fewer when it is damaged, -1 when it cannot be reached.
    int ReadBlock(int block, unsigned char* out);
    // Reads take the blocks `ahead` has decoded instead of decoding them;
    // null stops that. It must outlive its use here.
    void SetReadAhead(BlockReadAhead* ahead) { readAhead = ahead; }

private:
    bool ReadHeader(int fileSize, int64_t& tableBytes);
    bool ReadTable(int64_t tableBytes, int fileSize);
    // Up to `chunk` bytes of `block` from `offset`; fewer where it is
    // damaged, -1 when the host file cannot reach it.
    int ReadInBlock(int block, int offset, unsigned char* out, int chunk);
    // False when the host file cannot reach the block.
    bool StartBlock(int block);
    // Reads on into the kept bytes until `offset` of the block, or as far
    // as the block is intact.
    void FillBlock(int offset);
    // The current block's next bytes, up to `wanted`; fewer where it ends.
    int Produce(unsigned char* out, int wanted);

    LzmaDecoder decoder;
    std::vector<unsigned char> blockBytes;
    int blockFill = 0; // bytes of the current block read so far
    bool blockEnded = false; // damaged or cut short: no more to read
    bool blockCompressed = true;
    int64_t rawLeft = 0; // stored bytes of a raw block not read yet

    int length = 0;
    int position = 0;
    int currentBlock = -1;
    uint32_t dataStart = 0;
    int blockSize = 0;
    std::vector<uint32_t> table;
    BlockReadAhead* readAhead = nullptr;
};

} // namespace Norv
