// The 52-byte header of version 2 PVR texture files.
#include "norv/graphics/PvrHeader.h"

#include "norv/vfs/LittleEndian.h"

#include <cstring>

namespace Norv {

bool PvrHeader::Read(SeekableStream& stream)
{
    unsigned char bytes[kBytes];
    if (stream.Read(bytes, kBytes) != kBytes || DecodeLittleEndian32(bytes) != kBytes ||
        std::memcmp(bytes + 44, "PVR!", 4) != 0)
        return false;
    height = DecodeLittleEndian32(bytes + 4);
    width = DecodeLittleEndian32(bytes + 8);
    flags = DecodeLittleEndian32(bytes + 16);
    dataSize = DecodeLittleEndian32(bytes + 20);
    bitCount = DecodeLittleEndian32(bytes + 24);
    return true;
}

} // namespace Norv
