// Test-only writer of PVR texture files: a header and pixel data as bytes.
#pragma once

#include "contrib/pvr/PVRTTexture.h"

#include <cstring>
#include <string>

struct PvrFile {
    PVR_Texture_Header header = {};

    PvrFile(unsigned int width, unsigned int height, unsigned int flags, unsigned int bitCount)
    {
        header.headerSize = PVRTEX_HEADER_SIZE;
        header.width = width;
        header.height = height;
        header.pixelFormatFlags = flags;
        header.bitCount = bitCount;
        header.magic = PVRTEX_IDENTIFIER;
    }

    // The file: the header (44 bytes for the older form) and the data;
    // a data size of 0 is filled in from the data.
    std::string Bytes(std::string const& data) const
    {
        PVR_Texture_Header written = header;
        if (!written.dataSize)
            written.dataSize = unsigned(data.size());
        size_t headerBytes
            = written.headerSize == PVRTEX_OLD_HEADER_SIZE ? size_t(PVRTEX_OLD_HEADER_SIZE) : sizeof(written);
        return std::string(reinterpret_cast<const char*>(&written), headerBytes) + data;
    }
};
