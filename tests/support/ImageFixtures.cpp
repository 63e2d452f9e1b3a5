// Test-only writers of image files in every format the readers take.
#include "tests/support/ImageFixtures.h"

#include "norv/base/AssetDict.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/PixelDataRLE.h"
#include "norv/vfs/CachedFile.h"
#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace ImageTest {

using namespace Norv;

namespace {

void AppendPng(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

void AppendMagic(Bytes& out, char const* magic)
{
    out.insert(out.end(), magic, magic + 4);
}

} // namespace

Bytes WritePng(PngSpec const& spec)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return Bytes();
    }
    png_set_write_fn(png, &out, &AppendPng, &FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(spec.width), static_cast<png_uint_32>(spec.height), spec.bitDepth,
                 spec.colourType, spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty())
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    if (!spec.paletteAlpha.empty())
        png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()), nullptr);
    if (spec.greyKey) {
        png_color_16 key{};
        key.gray = static_cast<png_uint_16>(spec.greyKeyValue);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    std::size_t const rowBytes = spec.rows.size() / static_cast<std::size_t>(spec.height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < spec.height; ++y)
        rows.push_back(const_cast<png_bytep>(spec.rows.data() + static_cast<std::size_t>(y) * rowBytes));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes WriteJpeg(int width, int height, int components, Bytes const& pixels)
{
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compress, &buffer, &size);
    compress.image_width = static_cast<JDIMENSION>(width);
    compress.image_height = static_cast<JDIMENSION>(height);
    compress.input_components = components;
    compress.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, 100, TRUE);
    compress.write_JFIF_header = TRUE;
    jpeg_start_compress(&compress, TRUE);
    std::size_t const rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
    while (compress.next_scanline < compress.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + compress.next_scanline * rowBytes);
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes Write565(std::uint32_t width, std::uint32_t height, Bytes const& pixels)
{
    Bytes out;
    AppendMagic(out, "C565");
    AppendLittleEndian32(out, width);
    AppendLittleEndian32(out, height);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes WriteCrleHeader(std::uint32_t width, std::uint32_t height, std::uint32_t size)
{
    Bytes out;
    AppendMagic(out, "CRLE");
    AppendLittleEndian32(out, width);
    AppendLittleEndian32(out, height);
    AppendLittleEndian32(out, size);
    return out;
}

Bytes WriteRle(int width, int height, Bytes const& bgra)
{
    MemPixelData source(width, height, RGBA8888);
    std::memcpy(source.GetData(), bgra.data(), bgra.size());
    PixelDataRLE runs(source);
    Bytes out = WriteCrleHeader(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                                static_cast<std::uint32_t>(runs.GetSize()));
    out.insert(out.end(), runs.GetData(), runs.GetData() + runs.GetSize());
    return out;
}

Bytes WriteDds(std::uint32_t width, std::uint32_t height, char const* fourCC, Bytes const& data, int dxgi)
{
    Bytes out(128, 0);
    std::memcpy(out.data(), "DDS ", 4);
    out[4] = 124;  // the size of the standard header
    for (int b = 0; b < 4; ++b) {
        out[static_cast<std::size_t>(12 + b)] = static_cast<unsigned char>(height >> (8 * b));
        out[static_cast<std::size_t>(16 + b)] = static_cast<unsigned char>(width >> (8 * b));
    }
    std::memcpy(out.data() + 84, fourCC, 4);
    if (dxgi >= 0) {
        AppendLittleEndian32(out, static_cast<std::uint32_t>(dxgi));
        out.resize(out.size() + 16, 0);
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes WritePvr(std::uint32_t width, std::uint32_t height, std::uint32_t flags, std::uint32_t dataSize,
               std::uint32_t bitCount, Bytes const& data)
{
    Bytes out;
    AppendLittleEndian32(out, 52);
    AppendLittleEndian32(out, height);
    AppendLittleEndian32(out, width);
    AppendLittleEndian32(out, 0);
    AppendLittleEndian32(out, flags);
    AppendLittleEndian32(out, dataSize);
    AppendLittleEndian32(out, bitCount);
    for (int mask = 0; mask < 4; ++mask)
        AppendLittleEndian32(out, 0);
    AppendMagic(out, "PVR!");
    AppendLittleEndian32(out, 1);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes Concat(std::vector<Bytes> const& parts)
{
    Bytes out;
    for (Bytes const& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

SmartPtr<SeekableStream> StreamOf(Bytes const& bytes)
{
    return SmartPtr<SeekableStream>(new CachedFile(bytes.data(), static_cast<unsigned>(bytes.size()), true));
}

Bytes PixelAt(Surface& surface, int x, int y)
{
    auto* store = static_cast<PixelDataGL*>(surface.GetPixelData());
    std::size_t const bytes = static_cast<std::size_t>(GetPixelFormatInfo(store->GetFormat()).bytesPerPixel);
    unsigned char const* pixel = store->GetImageData()->data +
                                 (static_cast<std::size_t>(y) * static_cast<std::size_t>(store->GetTextureWidth()) +
                                  static_cast<std::size_t>(x)) * bytes;
    return Bytes(pixel, pixel + bytes);
}

bool WriteFile(std::string const& path, Bytes const& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<char const*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool MakeFont(std::string const& trueType, int pixels, std::string const& definition)
{
    std::string const command = std::string(MKFONT_PATH) + " " + trueType + " " + std::to_string(pixels) + " " + definition;
    return std::system(command.c_str()) == 0;
}

void MountedAssets::SetUp()
{
    Vfs::Initialize();
    MountNative(folder.c_str(), "", 0);
    g_assetDict = new AssetDict();
}

void MountedAssets::TearDown()
{
    g_assetDict.Release();
    Vfs::Shutdown();
}

} // namespace ImageTest
