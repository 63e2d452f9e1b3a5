// Reads PNG files through libpng, row by row. libpng reports errors by a
// long jump back into the function that set it up, so each entry point sets
// its own and keeps no objects with destructors on its frame.
#include "norv/graphics/PngImageLoader.h"

#include "norv/graphics/Surface.h"

namespace Norv {

PngImageLoader::~PngImageLoader()
{
    if (!png)
        return;
    // Reading to the end chunk leaves a stream that holds more after the
    // image (a PVR+ pair) at the next file.
    if (!setjmp(png_jmpbuf(png)))
        png_read_end(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
}

bool PngImageLoader::Compatible(SeekableStream* stream)
{
    png_byte signature[4];
    return stream && stream->Read(signature, 4) == 4 && png_sig_cmp(signature, 0, 4) == 0;
}

void PngImageLoader::ReadFromStream(png_structp png, png_bytep data, png_size_t length)
{
    auto* stream = static_cast<SeekableStream*>(png_get_io_ptr(png));
    if (length > static_cast<png_size_t>(INT32_MAX) || stream->Read(data, static_cast<int>(length)) != static_cast<int>(length))
        png_error(png, "file ends early");
}

bool PngImageLoader::Initialize()
{
    if (png || !stream)
        return false;
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    info = png_create_info_struct(png);
    if (!info)
        return false;
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, stream.Get(), &PngImageLoader::ReadFromStream);
    png_set_sig_bytes(png, 0);
    png_read_info(png, info);
    png_uint_32 w = 0;
    png_uint_32 h = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &w, &h, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    if (!IsSideAccepted(w, h))
        return false;
    width = w;
    height = h;
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (!ChooseFormat(colourType))
        return false;
    passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) ==
           static_cast<png_size_t>(width) * static_cast<png_size_t>(GetPixelFormatInfo(format).bytesPerPixel);
}

bool PngImageLoader::ChooseFormat(int colourType)
{
    bool const transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (transparency)
        png_set_tRNS_to_alpha(png);
    if (colourType & PNG_COLOR_MASK_COLOR)
        png_set_bgr(png);
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY:
        if (!transparency) {
            // The grey value is the opacity of an alpha-only image.
            format = A8;
            return true;
        }
        // A transparent grey makes grey and alpha: two bytes per pixel do not
        // fit an A8 row, so the image becomes RGBA.
        png_set_gray_to_rgb(png);
        format = RGBA8888;
        return true;
    case PNG_COLOR_TYPE_RGB:
        format = transparency ? RGBA8888 : RGB888;
        return true;
    case PNG_COLOR_TYPE_PALETTE:
        format = transparency ? RGBA8888 : RGB888;
        return true;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(png);
        format = RGBA8888;
        return true;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        format = RGBA8888;
        return true;
    default:
        return false;
    }
}

bool PngImageLoader::FillLine(unsigned char* row)
{
    if (!png || setjmp(png_jmpbuf(png)))
        return false;
    png_read_rows(png, &row, nullptr, 1);
    return true;
}

Surface* PngImageLoader::Read()
{
    // Interlaced files are read once per pass: libpng adds each pass's
    // pixels to the rows, so the image is whole after the last.
    if (!Initialize())
        return nullptr;
    return ReadRows(passes);
}

} // namespace Norv
