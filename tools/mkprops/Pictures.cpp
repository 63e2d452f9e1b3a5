// Signed distances and soft edges make the drawn pictures; FreeType sets
// the words, which are scaled down to fit their row.
#include "Pictures.h"

#include "norv/base/core/Pi.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace {

// Swatch cells are this many pixels square.
constexpr int kCellPixels = 16;
constexpr int kSwatchColumns = 8;

float Smooth(float edge0, float edge1, float x)
{
    float const t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// The glow marker: 16 cells, 4 x 4, of a ring that swells and fades. A
// frame's cell lies in the picture's rows from the bottom up.
Picture GlowAtlas()
{
    Picture picture(256, 256);
    picture.Fill([](float u, float v) {
        int const column = int(u * 4), rowFromBottom = 3 - int(v * 4);
        int const frame = rowFromBottom * 4 + column;
        float const phase = float(frame) / 16.0f;
        float const x = u * 8 - float(column) * 2 - 1, y = v * 8 - float(3 - rowFromBottom) * 2 - 1;
        float const r = std::hypot(x, y);
        float const ringRadius = 0.55f + 0.25f * std::sin(phase * 2 * Norv::kPiF);
        float const ring = std::exp(-std::pow((r - ringRadius) / 0.12f, 2.0f));
        float const core = 0.35f * Smooth(0.8f, 0.2f, r);
        float const alpha = std::clamp(ring + core, 0.0f, 1.0f) * Smooth(1.0f, 0.9f, r);
        Rgba c = Mix(Hex(0xfff3a0), Hex(0xffffff), ring);
        c.a = alpha;
        return c;
    });
    return picture;
}

// Bright streaks on clear, scrolled up the sparks' band.
Picture SparksPicture()
{
    Picture picture(128, 128);
    picture.Fill([](float u, float v) {
        float alpha = 0.0f;
        for (int k = 0; k < 14; ++k) {
            float const cu = std::fmod(float(k) * 0.618f, 1.0f), cv = std::fmod(float(k) * 0.377f + 0.1f, 1.0f);
            float du = std::fabs(u - cu), dv = v - cv;
            du = std::min(du, 1.0f - du);
            dv = dv - std::round(dv);
            alpha = std::max(alpha, Smooth(0.02f, 0.0f, du) * Smooth(0.12f, 0.0f, std::fabs(dv + 0.04f)));
        }
        Rgba c = Mix(Hex(0xff8a00), Hex(0xfff6b0), alpha);
        c.a = alpha;
        return c;
    });
    return picture;
}

// Orange wings seen from above, 4 x 2 cells: open, half open, closed,
// half open.
Picture ButterflyAtlas()
{
    Picture picture(256, 128);
    picture.Fill([](float u, float v) {
        int const column = int(u * 4);
        float const open[] = {1.0f, 0.6f, 0.2f, 0.6f};
        float const x = (u * 4 - float(column)) * 2 - 1, y = std::fmod(v * 2, 1.0f) * 2 - 1;
        float const wx = std::fabs(x) / std::max(open[column], 0.05f);
        float const upper = std::hypot((wx - 0.5f) / 0.5f, (y + 0.3f) / 0.45f);
        float const lower = std::hypot((wx - 0.4f) / 0.38f, (y - 0.35f) / 0.35f);
        float const wing = std::max(Smooth(1.0f, 0.9f, upper), Smooth(1.0f, 0.9f, lower));
        float const body = Smooth(0.08f, 0.05f, std::fabs(x)) * Smooth(0.75f, 0.7f, std::fabs(y));
        float const spot = Smooth(0.25f, 0.15f, std::hypot(wx - 0.55f, y + 0.35f));
        float const rim = std::max(Smooth(0.75f, 0.95f, upper) * Smooth(1.0f, 0.9f, upper),
                                   Smooth(0.75f, 0.95f, lower) * Smooth(1.0f, 0.9f, lower));
        Rgba c = Mix(Hex(0xff8a1c), Hex(0xffd23f), Smooth(-0.6f, 0.6f, y));
        c = Mix(Mix(c, Hex(0xffffff), spot), Hex(0x2a1a30), rim * 0.8f);
        if (body > 0.5f)
            c = Hex(0x3a2a20);
        c.a = std::max(wing, body);
        return c;
    });
    return picture;
}

// Red and white stripes running round the ring's tube at a slant, so
// that scrolling them turns the ring.
Picture RingStripes()
{
    Picture picture(128, 128);
    picture.Fill([](float u, float v) {
        float const s = std::fmod((u * 8 + v) + 8.0f, 1.0f);
        return Mix(Hex(0xf0343c), Hex(0xfffaf0), Smooth(0.46f, 0.54f, s) * Smooth(1.0f, 0.92f, s));
    });
    return picture;
}

// Three chevrons lighting up one after another, 2 x 4 cells; frame n
// shows column (1 - n) & 1, row n >> 1.
Picture ChaserAtlas()
{
    Picture picture(256, 512);
    picture.Fill([](float u, float v) {
        int const column = int(u * 2), row = int(v * 4);
        int frame = row * 2 + (1 - column);
        float const x = u * 2 - float(column), y = v * 4 - float(row);
        int const lit = frame % 4;
        float alpha = 0.0f, bright = 0.0f;
        for (int k = 0; k < 3; ++k) {
            float const cx = 0.25f + 0.25f * float(k);
            float const d = std::fabs(x - cx + 0.25f * std::fabs(y - 0.5f) * 1.6f) - 0.05f;
            float const on = Smooth(0.02f, 0.0f, d) * Smooth(0.42f, 0.38f, std::fabs(y - 0.5f));
            alpha = std::max(alpha, on);
            if (on > 0.0f && (k == lit || k + 1 == lit))
                bright = std::max(bright, on);
        }
        Rgba c = Mix(Hex(0xf7b500), Hex(0xfffbe0), bright);
        c.a = alpha * (0.55f + 0.45f * bright);
        return c;
    });
    return picture;
}

// A normal map laid out as the swatches are: each cell a cushion whose
// edges round away, so that every solid spread over its cell looks
// softly bevelled.
Picture NormalMapPicture()
{
    Picture picture(kCellPixels * kSwatchColumns, kCellPixels * kSwatchColumns);
    picture.Fill([](float u, float v) {
        float const x = std::fmod(u * kSwatchColumns, 1.0f) * 2 - 1, y = std::fmod(v * kSwatchColumns, 1.0f) * 2 - 1;
        auto slope = [](float t) { return std::copysign(Smooth(0.55f, 0.9f, std::fabs(t)), t) * 0.7f; };
        PVRTVec3 const n = PVRTVec3(slope(x), slope(y), 1.0f).normalized();
        return Rgba{0.5f + 0.5f * n.x, 0.5f + 0.5f * n.y, 0.5f + 0.5f * n.z, 1.0f};
    });
    return picture;
}

// The UTF-8 characters of a text as code points.
std::vector<unsigned> CodePoints(std::string const& text)
{
    std::vector<unsigned> out;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char const c = static_cast<unsigned char>(text[i]);
        int const extra = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : c >= 0xc0 ? 1 : 0;
        unsigned code = extra ? c & (0x3fu >> extra) : c;
        for (int k = 1; k <= extra && i + std::size_t(k) < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3fu);
        out.push_back(code);
        i += std::size_t(extra) + 1;
    }
    return out;
}

class Font {
public:
    ~Font()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
    bool Open(std::string const& path)
    {
        return FT_Init_FreeType(&library) == 0 && FT_New_Face(library, path.c_str(), 0, &face) == 0;
    }
    // Coverage of a line set at a pixel size, centred in a w x h box.
    std::vector<float> Set(std::string const& text, int size, int w, int h, int& width)
    {
        FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
        std::vector<unsigned> const codes = CodePoints(text);
        width = 0;
        for (unsigned code : codes)
            if (FT_Load_Char(face, code, FT_LOAD_DEFAULT) == 0)
                width += int(face->glyph->advance.x >> 6);
        std::vector<float> coverage(std::size_t(w) * std::size_t(h), 0.0f);
        int pen = (w - width) / 2;
        int const baseline =
            h / 2 + int(face->size->metrics.ascender >> 6) / 2 - int(-face->size->metrics.descender >> 6) / 2;
        for (unsigned code : codes) {
            if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0)
                continue;
            FT_Bitmap const& bitmap = face->glyph->bitmap;
            for (unsigned y = 0; y < bitmap.rows; ++y)
                for (unsigned x = 0; x < bitmap.width; ++x) {
                    int const px = pen + face->glyph->bitmap_left + int(x),
                              py = baseline - face->glyph->bitmap_top + int(y);
                    if (px >= 0 && px < w && py >= 0 && py < h)
                        coverage[std::size_t(py) * std::size_t(w) + std::size_t(px)] =
                            float(bitmap.buffer[int(y) * bitmap.pitch + int(x)]) / 255.0f;
                }
            pen += int(face->glyph->advance.x >> 6);
        }
        return coverage;
    }

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

} // namespace

Picture SwatchPicture(std::vector<uint32_t> const& colours)
{
    Picture picture(kCellPixels * kSwatchColumns, kCellPixels * kSwatchColumns);
    picture.Fill([&](float u, float v) {
        std::size_t const cell = std::size_t(int(v * kSwatchColumns) * kSwatchColumns + int(u * kSwatchColumns));
        return cell < colours.size() ? Hex(colours[cell]) : Hex(0xffffff);
    });
    return picture;
}

bool WordsPicture(std::string const& fontPath, std::vector<std::string> const& lines, WordsStyle const& style,
                  Picture& out)
{
    Font font;
    if (!font.Open(fontPath))
        return false;
    out = Picture(style.width, style.height);
    out.Fill([](float, float) { return Rgba{1, 1, 1, 0}; });
    int const rowHeight = style.height / style.rows;
    int const margin = rowHeight / 8;
    for (std::size_t row = 0; row < lines.size() && int(row) < style.rows; ++row) {
        int size = rowHeight - 3 * margin, width = 0;
        std::vector<float> coverage;
        // Shrink the words until they fit the row.
        for (; size > 8; size = size * 9 / 10) {
            coverage = font.Set(lines[row], size, style.width, rowHeight, width);
            if (width <= style.width - 4 * margin)
                break;
        }
        Rgba const back = style.outlined ? Rgba{0.1f, 0.2f, 0.45f, 0.0f} : Hex(style.colours[2 * row]);
        Rgba const ink = style.outlined ? Hex(0xffffff) : Hex(style.colours[2 * row + 1]);
        for (int y = 0; y < rowHeight; ++y)
            for (int x = 0; x < style.width; ++x) {
                float const c = coverage[std::size_t(y) * std::size_t(style.width) + std::size_t(x)];
                Rgba pixel;
                if (style.outlined) {
                    // A dark edge round the letters keeps them readable on
                    // any ground.
                    float edge = 0.0f;
                    for (int dy = -3; dy <= 3; ++dy)
                        for (int dx = -3; dx <= 3; ++dx) {
                            int const sx = x + dx, sy = y + dy;
                            if (dx * dx + dy * dy <= 10 && sx >= 0 && sx < style.width && sy >= 0 && sy < rowHeight)
                                edge = std::max(edge,
                                                coverage[std::size_t(sy) * std::size_t(style.width) + std::size_t(sx)]);
                        }
                    pixel = Mix(Rgba{0.1f, 0.2f, 0.45f, edge}, Rgba{1, 1, 1, 1}, c);
                } else {
                    // A rounded frame round the poster.
                    float const fx = std::min(x, style.width - 1 - x), fy = std::min(y, rowHeight - 1 - y);
                    float const frame = std::min(fx, fy) < float(margin) / 2 ? 1.0f : 0.0f;
                    pixel = Mix(Mix(back, Hex(0xffffff), frame), ink, c);
                }
                out.At(x, int(row) * rowHeight + y) = pixel;
            }
    }
    return true;
}

bool DrawnPicture(std::string const& kind, Picture& out)
{
    if (kind == "glow")
        out = GlowAtlas();
    else if (kind == "sparks")
        out = SparksPicture();
    else if (kind == "butterflies")
        out = ButterflyAtlas();
    else if (kind == "ring")
        out = RingStripes();
    else if (kind == "chaser")
        out = ChaserAtlas();
    else if (kind == "normalmap")
        out = NormalMapPicture();
    else
        return false;
    return true;
}
