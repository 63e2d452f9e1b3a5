// Reads JPEG files through libjpeg, row by row, as blue, green, red.
#pragma once

#include "norv/graphics/ImageLoader.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace Norv {

class JpegImageLoader : public ImageLoader {
public:
    JpegImageLoader() = default;
    ~JpegImageLoader() override;

    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;
    bool Initialize() override;
    int GetWidth() const override { return static_cast<int>(width); }
    int GetHeight() const override { return static_cast<int>(height); }
    PixelFormat GetPixelFormat() const override { return RGB888; }
    bool FillLine(unsigned char* row) override;

private:
    // libjpeg's error manager with the jump back to the reader that failed:
    // the library's own exits the process.
    struct ErrorManager {
        jpeg_error_mgr manager;
        std::jmp_buf jump;
    };
    static void ExitWithJump(j_common_ptr info);

    unsigned width = 0;
    unsigned height = 0;
    jpeg_decompress_struct decompress{};
    ErrorManager errors{};
    bool created = false;
    std::unique_ptr<unsigned char[]> buffer;
};

} // namespace Norv
