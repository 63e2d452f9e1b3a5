// Damaged and lying image files are refused cleanly.
#include "tests/support/ImageFixtures.h"

#include "norv/graphics/LoadSurface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace Norv;
using namespace ImageTest;

Bytes Head(Bytes const& bytes, std::size_t length)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(length, bytes.size())));
}

Bytes Text(char const* text)
{
    return Bytes(text, text + std::strlen(text));
}

Bytes GoodPng(int width, int height, int colourType, int channels)
{
    PngSpec spec;
    spec.width = width;
    spec.height = height;
    spec.colourType = colourType;
    spec.rows.assign(static_cast<std::size_t>(width * height * channels), 90);
    return WritePng(spec);
}

// The IHDR width field of a PNG made by the writer.
Bytes WithPngWidth(Bytes png, std::uint32_t width)
{
    for (int b = 0; b < 4; ++b)
        png[static_cast<std::size_t>(16 + b)] = static_cast<unsigned char>(width >> (24 - 8 * b));
    return png;
}

Bytes WithHeaderSize(Bytes pvr, unsigned char size)
{
    pvr[0] = size;
    return pvr;
}

Bytes Damaged(Bytes bytes, std::size_t from)
{
    for (std::size_t i = from; i < bytes.size(); i += 3)
        bytes[i] ^= 0x5A;
    return bytes;
}

Bytes RunRow(std::vector<unsigned char> const& runs)
{
    return Concat({Bytes{10, static_cast<unsigned char>(runs.size()), 0}, runs});
}

struct BadFile {
    char const* name;
    Bytes bytes;
};

std::vector<BadFile> BadFiles()
{
    Bytes const png = GoodPng(8, 8, PNG_COLOR_TYPE_RGB, 3);
    Bytes const jpeg = WriteJpeg(16, 16, 3, Bytes(16 * 16 * 3, 128));
    Bytes const dxt1Block(8, 0x55);
    Bytes const etcBlock(8, 0x33);
    Bytes const greyAlpha = GoodPng(2, 2, PNG_COLOR_TYPE_GRAY, 1);
    // One row of one opaque pixel (colour 0xFFFF).
    Bytes const goodRow = RunRow({4, 1, 0, 0xFF, 0xFF});
    return {
        {"empty", {}},
        {"unknown magic", Text("GIF89a and more")},
        {"png signature only", Head(png, 4)},
        {"png cut in the middle", Head(png, png.size() / 2)},
        {"png with damaged data", Damaged(png, 40)},
        {"png far too wide", WithPngWidth(png, 1u << 20)},
        {"jpeg marker only", Head(jpeg, 4)},
        {"jpeg header only", Head(jpeg, 40)},
        {"jpeg with damaged tables", Damaged(jpeg, 20)},
        {"c565 header cut", Head(Write565(2, 2, {}), 10)},
        {"c565 pixels missing", Write565(3, 3, Bytes(4, 0))},
        {"c565 far too wide", Write565(0x7FFFFFFF, 2, Bytes(16, 0))},
        {"c565 empty", Write565(0, 0, {})},
        {"crle header cut", Head(WriteCrleHeader(1, 1, 8), 12)},
        {"crle size beyond the file", Concat({WriteCrleHeader(1, 1, 1000), goodRow})},
        {"crle run wider than its row", Concat({WriteCrleHeader(1, 1, 8), RunRow({4, 2, 0, 0xFF, 0xFF})})},
        {"crle row longer than the stream", Concat({WriteCrleHeader(1, 1, 8), Bytes{10, 40, 0, 4, 1, 0, 0xFF, 0xFF}})},
        {"crle rows missing", Concat({WriteCrleHeader(1, 3, 8), goodRow})},
        {"crle unknown run kind", Concat({WriteCrleHeader(1, 1, 8), RunRow({9, 1, 0, 0xFF, 0xFF})})},
        {"crle far too tall", Concat({WriteCrleHeader(1, 0xFFFFFFFF, 8), goodRow})},
        {"dds header cut", Head(WriteDds(4, 4, "DXT1", dxt1Block), 100)},
        {"dds unknown format", WriteDds(4, 4, "DXT3", Bytes(16, 0))},
        {"dds unknown dxgi format", WriteDds(4, 4, "DX10", dxt1Block, 99)},
        {"dds extension cut", Head(WriteDds(4, 4, "DX10", {}, 71), 136)},
        {"dds blocks missing", WriteDds(8, 8, "DXT1", dxt1Block)},
        {"dds far too wide", WriteDds(0x40000000, 4, "DXT1", dxt1Block)},
        {"etc1 header cut", Head(WritePvr(4, 4, 0x36, 8, 4, etcBlock), 40)},
        {"etc1 size short of its blocks", WritePvr(8, 8, 0x36, 8, 4, Bytes(32, 0x33))},
        {"etc1 blocks missing", WritePvr(8, 8, 0x36, 32, 4, etcBlock)},
        {"etc1 far too tall", WritePvr(4, 0x80000000, 0x36, 8, 4, etcBlock)},
        {"pvr header size lies", WithHeaderSize(WritePvr(4, 4, 0x36, 8, 4, etcBlock), 60)},
        {"pvr+ magic only", Text("PVR+")},
        {"pvr+ without opacity image", Concat({Bytes{'P', 'V', 'R', '+', 0}, png})},
        {"pvr+ opacity of another size", Concat({Bytes{'P', 'V', 'R', '+', 0}, png, GoodPng(4, 4, PNG_COLOR_TYPE_RGB, 3)})},
        {"pvr+ grey opacity", Concat({Bytes{'P', 'V', 'R', '+', 0}, GoodPng(2, 2, PNG_COLOR_TYPE_RGB, 3), greyAlpha})},
        {"pvr+ colour cut", Concat({Bytes{'P', 'V', 'R', '+', 0}, Head(png, 30)})},
        {"animation without frames", Text("<?xml version=\"1.0\"?><animation loop=\"true\"/>")},
        {"animation of missing images", Text("<?xml version=\"1.0\"?><a><frame image=\"nowhere.png\" time=\"5\"/></a>")},
        {"animation not well formed", Text("<?xml version=\"1.0\"?><a><frame")},
    };
}

TEST(MalformedImages, AreRefused)
{
    for (BadFile const& file : BadFiles()) {
        SmartPtr<SeekableStream> stream = StreamOf(file.bytes);
        SmartPtr<Surface> surface(LoadSurface(stream.Get()));
        EXPECT_FALSE(surface) << file.name;
    }
}

TEST(MalformedImages, MissingFileAndNullStream)
{
    EXPECT_FALSE(LoadSurface(nullptr));
    EXPECT_FALSE(LoadSurface(NarrowString("no/such/image.png")));
}

} // namespace
