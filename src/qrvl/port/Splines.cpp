// Reading "splines.bin": a magic, a record count and the records back to
// back, all little-endian. The file is checked whole before it is used.
#include "qrvl/port/Splines.h"

#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>

namespace {

// Magic and record count.
constexpr std::size_t kFileHeadSize = 8;

} // namespace

bool Splines::Serialise(char const* path)
{
    splines.clear();
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(path));
    if (!file)
        return false;
    int const length = file->GetLength();
    if (length <= 0)
        return Parse(nullptr, 0);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(length));
    if (file->Read(bytes.data(), length) != length) {
        std::fprintf(stderr, "splines: %s could not be read whole\n", path);
        return false;
    }
    return Parse(bytes.data(), bytes.size());
}

bool Splines::Parse(unsigned char const* data, std::size_t size)
{
    splines.clear();
    if (size < kFileHeadSize || Norv::DecodeLittleEndian32(data) != kMagic) {
        std::fprintf(stderr, "splines: not a paths file\n");
        return false;
    }
    uint32_t const count = Norv::DecodeLittleEndian32(data + 4);
    unsigned char const* at = data + kFileHeadSize;
    unsigned char const* const end = data + size;
    // Every record takes at least its head and one point.
    if (count > (size - kFileHeadSize) / (Spline::kHeadSize + 12)) {
        std::fprintf(stderr, "splines: %u records cannot fit the file\n", count);
        return false;
    }
    std::vector<Norv::SmartPtr<Spline>> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        Norv::SmartPtr<Spline> spline(new Spline);
        at = spline->Serialise(at, end);
        if (!at)
            return false;
        read.push_back(spline);
    }
    if (at != end) {
        std::fprintf(stderr, "splines: %zu bytes after the last record\n", static_cast<std::size_t>(end - at));
        return false;
    }
    splines.swap(read);
    return true;
}
