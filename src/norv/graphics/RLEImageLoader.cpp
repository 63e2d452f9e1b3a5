// Reads the engine's run-length "CRLE" images into a run-length store.
#include "norv/graphics/RLEImageLoader.h"

#include "norv/graphics/PixelDataRLE.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/LittleEndian.h"

#include <cstdio>
#include <vector>

namespace Norv {

namespace {

// True when every row of the stream decodes and the rows fill the stream.
bool IsRunStreamWhole(std::vector<unsigned char> const& runs, unsigned width, unsigned height)
{
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
    unsigned char const* cursor = runs.data();
    unsigned char const* const end = runs.data() + runs.size();
    for (unsigned y = 0; y < height && cursor; ++y)
        cursor = PixelDataRLE::DecodeRow(cursor, end, static_cast<int>(width), row.data());
    return cursor == end;
}

} // namespace

bool RLEImageLoader::Compatible(SeekableStream* stream)
{
    return StartsWith(stream, "CRLE", 4);
}

Surface* RLEImageLoader::Read()
{
    unsigned char header[16];
    if (!ReadExactly(header, sizeof header))
        return nullptr;
    unsigned const width = DecodeLittleEndian32(header + 4);
    unsigned const height = DecodeLittleEndian32(header + 8);
    unsigned const size = DecodeLittleEndian32(header + 12);
    if (!IsSideAccepted(width, height))
        return nullptr;
    if (size > static_cast<unsigned>(stream->GetLength()) - sizeof header) {
        std::fprintf(stderr, "CRLE image claims %u bytes of runs it does not hold\n", size);
        return nullptr;
    }
    std::vector<unsigned char> runs(size);
    if (!ReadExactly(runs.data(), size))
        return nullptr;
    if (!IsRunStreamWhole(runs, width, height)) {
        std::fprintf(stderr, "CRLE image has damaged runs\n");
        return nullptr;
    }
    return new Surface(new PixelDataRLE(static_cast<int>(width), static_cast<int>(height), static_cast<int>(size), runs.data()));
}

} // namespace Norv
