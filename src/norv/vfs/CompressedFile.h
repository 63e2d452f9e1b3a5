// The block-compressed container read as one seekable stream: fixed-size
// blocks stored raw or as separate LZMA streams, found through a table of
// block ends so any offset costs at most one block's decoding.
#pragma once

#include "norv/vfs/LzmaDecoder.h"
#include "norv/vfs/posix/ResourceFile.h"

#include <cstdint>
#include <vector>

namespace Norv {

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

private:
    bool ReadHeader(int fileSize, int64_t& tableBytes);
    bool ReadTable(int64_t tableBytes, int fileSize);
    bool StartBlock(int block);
    int ReadFromBlock(unsigned char* out, int offset, int bytes);

    LzmaDecoder decoder;
    int64_t rawLeft = 0; // stored bytes of a raw block past the block position

    int length = 0;
    int position = 0;
    int blockPosition = 0;
    int currentBlock = -1;
    bool blockCompressed = true;
    uint32_t dataStart = 0;
    int blockSize = 0;
    std::vector<uint32_t> table;
};

} // namespace Norv
