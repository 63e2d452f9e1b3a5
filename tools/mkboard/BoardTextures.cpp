// Soft procedural pictures: value noise for grain, stripes for the road
// and rings for water; plates are rounded tiles with a white mark.
#include "BoardTextures.h"

#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {


// Smooth value noise that tiles with the given period (in cells).
float Noise(float x, float y, int period)
{
    auto hash = [period](int i, int j) {
        i = ((i % period) + period) % period;
        j = ((j % period) + period) % period;
        uint32_t h = uint32_t(i) * 374761393u + uint32_t(j) * 668265263u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
    };
    int const i = int(std::floor(x));
    int const j = int(std::floor(y));
    float const fx = x - float(i);
    float const fy = y - float(j);
    float const sx = fx * fx * (3 - 2 * fx);
    float const sy = fy * fy * (3 - 2 * fy);
    float const top = hash(i, j) + (hash(i + 1, j) - hash(i, j)) * sx;
    float const bottom = hash(i, j + 1) + (hash(i + 1, j + 1) - hash(i, j + 1)) * sx;
    return top + (bottom - top) * sy;
}

float Fractal(float u, float v)
{
    return 0.5f * Noise(u * 8, v * 8, 8) + 0.3f * Noise(u * 16, v * 16, 16) + 0.2f * Noise(u * 32, v * 32, 32);
}

float Smooth(float edge0, float edge1, float x)
{
    float const t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Signed distance to a rounded square of half size h and corner radius r.
float RoundedBox(float x, float y, float h, float r)
{
    float const qx = std::fabs(x) - h + r;
    float const qy = std::fabs(y) - h + r;
    float const outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

// The white mark of a plate, as coverage at (x, y) in -1..1.
float Mark(PlateKind kind, float x, float y)
{
    float const r = std::hypot(x, y);
    float const a = std::atan2(y, x);
    switch (kind) {
    case PlateKind::Event: { // a five-pointed star
        float const star = 0.36f + 0.16f * std::cos(5.0f * (a + Norv::kPiF / 2));
        return Smooth(0.03f, -0.03f, r - star);
    }
    case PlateKind::Payday: // a coin with a rim
        return Smooth(0.03f, -0.03f, r - 0.42f) * (1.0f - 0.6f * Smooth(-0.03f, 0.03f, r - 0.3f) * Smooth(0.03f, -0.03f, r - 0.34f));
    case PlateKind::Stop: { // an octagon
        float const octagon = std::max({std::fabs(x), std::fabs(y), (std::fabs(x) + std::fabs(y)) * 0.7071f});
        return Smooth(0.03f, -0.03f, octagon - 0.4f);
    }
    case PlateKind::Lawsuit: // a balance: a bar and two pans
        return std::max({Smooth(0.03f, -0.03f, RoundedBox(x, y + 0.25f, 0.45f, 0.05f) + 0.38f),
                         Smooth(0.03f, -0.03f, std::hypot(x - 0.3f, y - 0.1f) - 0.14f),
                         Smooth(0.03f, -0.03f, std::hypot(x + 0.3f, y - 0.1f) - 0.14f)});
    case PlateKind::SpinToWin: { // a wheel with spokes
        float const ring = Smooth(0.03f, -0.03f, std::fabs(r - 0.38f) - 0.05f);
        float const spokes = r < 0.38f ? Smooth(0.04f, 0.0f, std::fabs(std::sin(4.0f * a)) * r - 0.02f) : 0.0f;
        return std::max(ring, spokes);
    }
    case PlateKind::ShareTheWealth: { // two cards fanned out, the front one with a heart
        auto card = [](float cx, float cy, float turn, float px, float py) {
            float const c = std::cos(turn);
            float const s = std::sin(turn);
            float const u = (px - cx) * c + (py - cy) * s;
            float const v = -(px - cx) * s + (py - cy) * c;
            return std::max(std::fabs(u) - 0.2f, std::fabs(v) - 0.29f);
        };
        float const back = Smooth(0.03f, -0.03f, card(-0.1f, 0.0f, -0.3f, x, y));
        float const front = card(0.12f, 0.02f, 0.25f, x, y);
        float const heart = std::hypot(std::fabs(x - 0.12f) - 0.05f, y + 0.02f) - 0.06f;
        float const point = std::fabs(x - 0.12f) * 1.3f + y - 0.13f;
        float const inHeart = Smooth(0.03f, -0.03f, y > 0.0f ? std::min(heart, point) : heart);
        // The front card is white, with its edge cut out of the back one.
        float const gap = Smooth(0.03f, -0.03f, front - 0.035f);
        return std::max(back * (1.0f - gap), Smooth(0.03f, -0.03f, front) * (1.0f - inHeart));
    }
    case PlateKind::House: { // a house: a square and a roof
        float const body = Smooth(0.03f, -0.03f, RoundedBox(x, y - 0.15f, 0.28f, 0.02f));
        float const roof = Smooth(0.03f, -0.03f, std::fabs(x) * 0.9f + (y + 0.05f) * 0.9f - 0.0f) * (y < -0.05f && y > -0.5f ? 1.0f : 0.0f);
        return std::max(body, roof);
    }
    case PlateKind::Retire: // a sun
        return std::max(Smooth(0.03f, -0.03f, r - 0.26f),
                        r < 0.48f ? Smooth(0.05f, 0.0f, std::fabs(std::sin(6.0f * a)) * r - 0.04f) : 0.0f);
    case PlateKind::Count: break;
    }
    return 0.0f;
}

} // namespace

std::vector<PlateStyle> const& PlateStyles()
{
    static std::vector<PlateStyle> const styles = {
        {PlateKind::Event, "plateEvent.png", 0xf39c12},   {PlateKind::Payday, "platePayday.png", 0x2ecc40},
        {PlateKind::Stop, "plateStop.png", 0xe8313b},     {PlateKind::Lawsuit, "plateLawsuit.png", 0x2f7fe0},
        {PlateKind::SpinToWin, "plateSpin.png", 0x9b4fd6},
        {PlateKind::ShareTheWealth, "plateShare.png", 0xe8508f}, {PlateKind::House, "plateHouse.png", 0x18b5b0},
        {PlateKind::Retire, "plateRetire.png", 0xf2c81f},
    };
    return styles;
}

Picture LandGrain()
{
    Picture picture(256, 256);
    picture.Fill([](float u, float v) {
        float const n = 0.82f + 0.18f * Fractal(u, v);
        return Rgba {n, n, n, 1.0f};
    });
    return picture;
}

Picture RoadSurface()
{
    Picture picture(128, 128);
    picture.Fill([](float u, float v) {
        float const grain = 0.9f + 0.1f * Fractal(u, v);
        Rgba colour = Mix(Hex(0x4a4f57), Hex(0x5a606a), grain);
        // White edges, a soft kerb outside them, a dashed centre line.
        if (u < 0.06f || u > 0.94f)
            colour = Mix(Hex(0xd9d2c0), Hex(0xb8ae98), grain);
        else if (u < 0.09f || u > 0.91f)
            colour = Hex(0xf5f5f0);
        else if (std::fabs(u - 0.5f) < 0.015f && std::fmod(v, 0.5f) < 0.25f)
            colour = Hex(0xffd93d);
        return colour;
    });
    return picture;
}

Picture WaterSurface()
{
    Picture picture(256, 256);
    picture.Fill([](float u, float v) {
        float const ripple = Fractal(u, v);
        Rgba colour = Mix(Hex(0x1e7fc9), Hex(0x4fb3ec), ripple);
        float const glint = Smooth(0.78f, 0.86f, Noise(u * 16 + ripple * 2, v * 16, 16));
        return Mix(colour, Hex(0xe8f6ff), glint * 0.6f);
    });
    return picture;
}

Picture StreamSurface()
{
    Picture picture(128, 64);
    picture.Fill([](float u, float v) {
        float const flow = 0.5f + 0.5f * std::sin(u * 2 * Norv::kPiF * 4 + 3.0f * Noise(u * 8, v * 4, 8));
        Rgba colour = Mix(Hex(0x2a8fd8), Hex(0x6cc7f2), flow * 0.7f);
        float const bank = Smooth(0.12f, 0.0f, std::min(v, 1.0f - v));
        return Mix(colour, Hex(0xc9b98a), bank);
    });
    return picture;
}

Picture PlatePicture(PlateStyle const& style)
{
    Picture picture(128, 128);
    Rgba const base = Hex(style.colour);
    picture.Fill([&](float u, float v) {
        float const x = u * 2 - 1;
        float const y = v * 2 - 1;
        float const edge = RoundedBox(x, y, 0.98f, 0.22f);
        // Outside the tile: the road's grey, so that the plate's corners
        // blend into it.
        if (edge > 0.0f)
            return Hex(0x50555d);
        Rgba colour = Mix(base, Hex(0xffffff), 0.18f * (1.0f - v));
        colour = Mix(colour, Mix(base, Hex(0x000000), 0.35f), Smooth(-0.1f, -0.02f, edge));
        colour = Mix(colour, Hex(0xffffff), Smooth(-0.16f, -0.14f, edge) * Smooth(-0.1f, -0.12f, edge));
        return Mix(colour, Hex(0xffffff), Mark(style.kind, x, y));
    });
    return picture;
}

bool WriteBoardPictures(std::string const& folder)
{
    auto stem = [&](char const* name) { return folder + "/" + std::string(name, std::strlen(name) - 4) + ".pvr"; };
    bool ok = LandGrain().WritePvr(folder + "/land.pvr") && RoadSurface().WritePvr(folder + "/road.pvr")
              && WaterSurface().WritePvr(folder + "/water.pvr") && StreamSurface().WritePvr(folder + "/stream.pvr");
    for (PlateStyle const& style : PlateStyles())
        ok = ok && PlatePicture(style).WritePvr(stem(style.file));
    return ok;
}
