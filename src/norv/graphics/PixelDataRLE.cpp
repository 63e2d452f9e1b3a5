// The run-length encoder and decoder of RLE565A5 streams.
#include "norv/graphics/PixelDataRLE.h"

#include <cstdio>
#include <cstring>

namespace Norv {

namespace {

// Counts and row lengths are 16-bit fields of the stream.
constexpr std::size_t kMaxField = 0xFFFF;
constexpr int kOpaqueAlpha5 = 31;

void PutWord(std::vector<unsigned char>& out, std::size_t value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

int ReadWord(unsigned char const* p)
{
    return p[0] | (p[1] << 8);
}

std::uint8_t Expand5(int v)
{
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

std::uint8_t Expand6(int v)
{
    return static_cast<std::uint8_t>((v << 2) | (v >> 4));
}

void Write565(unsigned char* out, int colour, std::uint8_t alpha)
{
    out[0] = Expand5(colour & 0x1F);
    out[1] = Expand6((colour >> 5) & 0x3F);
    out[2] = Expand5((colour >> 11) & 0x1F);
    out[3] = alpha;
}

// Builds the runs of one row, one pixel at a time.
class RowEncoder {
public:
    explicit RowEncoder(std::vector<unsigned char>& row) : out(row) {}

    void Add(std::uint32_t pixel)
    {
        int const alpha5 = static_cast<int>(pixel >> 27);
        int const colour =
            static_cast<int>(((pixel >> 3) & 0x1F) | ((pixel >> 5) & 0x7E0) | ((pixel >> 8) & 0xF800));
        if (alpha5 == 0) {
            if (kind != PixelDataRLE::RunTransparent) {
                Flush();
                kind = PixelDataRLE::RunTransparent;
            }
            pending.push_back(0);
        } else if (alpha5 == kOpaqueAlpha5) {
            unsigned char const entry[] = {static_cast<unsigned char>(colour & 0xFF),
                                           static_cast<unsigned char>(colour >> 8)};
            AddColoured(entry, 2, PixelDataRLE::RunOpaqueLiteral, PixelDataRLE::RunOpaqueRepeat);
        } else {
            unsigned char const entry[] = {static_cast<unsigned char>(alpha5), static_cast<unsigned char>(colour & 0xFF),
                                           static_cast<unsigned char>(colour >> 8)};
            AddColoured(entry, 3, PixelDataRLE::RunTranslucentLiteral, PixelDataRLE::RunTranslucentRepeat);
        }
    }

    void Flush()
    {
        if (kind < 0)
            return;
        std::size_t const size = EntrySize(kind);
        out.push_back(static_cast<unsigned char>(kind));
        PutWord(out, pending.size() / size);
        if (kind == PixelDataRLE::RunOpaqueLiteral || kind == PixelDataRLE::RunTranslucentLiteral)
            out.insert(out.end(), pending.begin(), pending.end());
        else if (kind != PixelDataRLE::RunTransparent)
            out.insert(out.end(), pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(size));
        pending.clear();
        kind = -1;
    }

private:
    static std::size_t EntrySize(int runKind)
    {
        switch (runKind) {
        case PixelDataRLE::RunTranslucentLiteral:
        case PixelDataRLE::RunTranslucentRepeat:
            return 3;
        case PixelDataRLE::RunOpaqueLiteral:
        case PixelDataRLE::RunOpaqueRepeat:
            return 2;
        default:
            return 1;
        }
    }

    // A literal run turns into a repeat when a pixel equals the one before
    // it, and back again when it differs.
    void AddColoured(unsigned char const* entry, std::size_t size, int literal, int repeat)
    {
        if (kind != literal && kind != repeat) {
            Flush();
            kind = repeat;
        } else if (!pending.empty()) {
            bool const equal = std::memcmp(&pending[pending.size() - size], entry, size) == 0;
            int const wanted = equal ? repeat : literal;
            if (kind != wanted) {
                if (pending.size() > size)
                    Flush();
                kind = wanted;
            }
        }
        pending.insert(pending.end(), entry, entry + size);
    }

    std::vector<unsigned char>& out;
    std::vector<unsigned char> pending;
    int kind = -1;  // no run yet
};

} // namespace

PixelDataRLE::PixelDataRLE(PixelData const& source)
{
    Compress(source);
}

PixelDataRLE::PixelDataRLE(int w, int h, int size, unsigned char const* data)
{
    width = w;
    height = h;
    format = RLE565A5;
    if (data && size > 0)
        stream.assign(data, data + size);
}

int PixelDataRLE::Compress(PixelData const& source)
{
    width = source.GetWidth();
    height = source.GetHeight();
    format = RLE565A5;
    stream.clear();
    unsigned char const* pixels = source.GetData();
    if (source.GetFormat() != RGBA8888 || !pixels || height < 1 || width < 0) {
        std::fprintf(stderr, "PixelDataRLE: only RGBA8888 images of at least one row can be encoded\n");
        return 0;
    }
    std::vector<unsigned char> row;
    for (int y = 0; y < height; ++y) {
        row.clear();
        RowEncoder encoder(row);
        unsigned char const* p = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
        for (int x = 0; x < width; ++x, p += 4)
            encoder.Add(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
        encoder.Flush();
        if (row.size() > kMaxField || static_cast<std::size_t>(width) > kMaxField) {
            std::fprintf(stderr, "PixelDataRLE: a row of %d pixels does not fit the stream's 16-bit fields\n", width);
            stream.clear();
            return 0;
        }
        stream.push_back(kRowMarker);
        PutWord(stream, row.size());
        stream.insert(stream.end(), row.begin(), row.end());
    }
    return static_cast<int>(stream.size());
}

unsigned char const* PixelDataRLE::DecodeRow(unsigned char const* cursor, unsigned char const* end, int width,
                                             unsigned char* out)
{
    std::memset(out, 0, static_cast<std::size_t>(width) * 4);
    if (!cursor || end - cursor < kRowHeaderSize || cursor[0] != kRowMarker)
        return nullptr;
    int const length = ReadWord(cursor + 1);
    cursor += kRowHeaderSize;
    if (end - cursor < length)
        return nullptr;
    unsigned char const* const rowEnd = cursor + length;
    int x = 0;
    while (cursor < rowEnd) {
        if (rowEnd - cursor < kRunHeaderSize)
            return nullptr;
        int const kind = cursor[0];
        int const count = ReadWord(cursor + 1);
        cursor += kRunHeaderSize;
        if (count > width - x)
            return nullptr;
        std::ptrdiff_t payload = 0;
        switch (kind) {
        case RunTransparent: break;
        case RunTranslucentLiteral: payload = 3 * count; break;
        case RunOpaqueLiteral: payload = 2 * count; break;
        case RunTranslucentRepeat: payload = 3; break;
        case RunOpaqueRepeat: payload = 2; break;
        default: return nullptr;
        }
        if (rowEnd - cursor < payload)
            return nullptr;
        for (int i = 0; i < count; ++i, ++x) {
            unsigned char* pixel = out + static_cast<std::size_t>(x) * 4;
            switch (kind) {
            case RunTranslucentLiteral: Write565(pixel, ReadWord(cursor + 3 * i + 1), Expand5(cursor[3 * i] & 0x1F)); break;
            case RunOpaqueLiteral: Write565(pixel, ReadWord(cursor + 2 * i), 255); break;
            case RunTranslucentRepeat: Write565(pixel, ReadWord(cursor + 1), Expand5(cursor[0] & 0x1F)); break;
            case RunOpaqueRepeat: Write565(pixel, ReadWord(cursor), 255); break;
            default: break;
            }
        }
        cursor += payload;
    }
    return rowEnd;
}

unsigned char* PixelDataRLE::GetData()
{
    return stream.empty() ? nullptr : stream.data();
}

unsigned char const* PixelDataRLE::GetData() const
{
    return stream.empty() ? nullptr : stream.data();
}

void PixelDataRLE::ReleaseData()
{
    stream = std::vector<unsigned char>();
}

int PixelDataRLE::GetType() const
{
    return TypeRLE;
}

} // namespace Norv
