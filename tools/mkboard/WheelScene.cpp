// The face is painted in polar terms: ten bright segments, the numbers
// upright when their segment is under the clicker (nearest the camera's
// usual view of the wheel), pegs on the rim between segments and a hub.
// The blurred face averages the sharp one over a turning arc.
#include "WheelScene.h"

#include "Picture.h"
#include "PodBuilder.h"
#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kSegment = 2.0f * Norv::kPiF / 10.0f;
constexpr int kWheelSides = 80;

struct Point {
    float x, y;
};
using Stroke = std::vector<Point>;

// Digits as strokes in a unit box, y up.
std::vector<Stroke> const& DigitStrokes(int digit)
{
    static std::vector<std::vector<Stroke>> const digits = {
        {{{0.5f, 0.0f}, {0.15f, 0.2f}, {0.12f, 0.8f}, {0.5f, 1.0f}, {0.88f, 0.8f}, {0.85f, 0.2f}, {0.5f, 0.0f}}},
        {{{0.55f, 0.0f}, {0.55f, 1.0f}, {0.28f, 0.78f}}},
        {{{0.12f, 0.75f}, {0.32f, 0.97f}, {0.68f, 0.97f}, {0.87f, 0.75f}, {0.8f, 0.52f}, {0.12f, 0.02f}, {0.9f, 0.02f}}},
        {{{0.12f, 0.88f}, {0.5f, 1.0f}, {0.85f, 0.85f}, {0.8f, 0.6f}, {0.45f, 0.52f}, {0.85f, 0.4f}, {0.88f, 0.15f},
          {0.5f, 0.0f}, {0.12f, 0.12f}}},
        {{{0.7f, 0.0f}, {0.7f, 1.0f}, {0.1f, 0.32f}, {0.95f, 0.32f}}},
        {{{0.88f, 1.0f}, {0.22f, 1.0f}, {0.16f, 0.55f}, {0.6f, 0.62f}, {0.88f, 0.4f}, {0.84f, 0.12f}, {0.5f, 0.0f},
          {0.12f, 0.12f}}},
        {{{0.82f, 0.95f}, {0.45f, 1.0f}, {0.15f, 0.7f}, {0.12f, 0.3f}, {0.3f, 0.02f}, {0.7f, 0.02f}, {0.9f, 0.25f},
          {0.8f, 0.5f}, {0.45f, 0.58f}, {0.13f, 0.4f}}},
        {{{0.1f, 1.0f}, {0.9f, 1.0f}, {0.38f, 0.0f}}},
        {{{0.5f, 0.55f}, {0.2f, 0.72f}, {0.25f, 0.97f}, {0.75f, 0.97f}, {0.8f, 0.72f}, {0.5f, 0.55f}, {0.15f, 0.33f},
          {0.2f, 0.03f}, {0.8f, 0.03f}, {0.85f, 0.33f}, {0.5f, 0.55f}}},
        {{{0.18f, 0.05f}, {0.55f, 0.0f}, {0.85f, 0.3f}, {0.88f, 0.7f}, {0.7f, 0.98f}, {0.3f, 0.98f}, {0.1f, 0.75f},
          {0.2f, 0.5f}, {0.55f, 0.42f}, {0.87f, 0.6f}}},
    };
    return digits[std::size_t(digit)];
}

float SegmentDistance(Point p, Point a, Point b)
{
    float const dx = b.x - a.x, dy = b.y - a.y;
    float const t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Coverage of a number's strokes at p, in units of the glyph height.
float NumberCoverage(int number, Point p)
{
    std::vector<int> digits;
    for (int n = number; n > 0 || digits.empty(); n /= 10)
        digits.insert(digits.begin(), n % 10);
    float const advance = 0.72f;
    float const left = -advance * float(digits.size()) / 2.0f;
    float nearest = 1e9f;
    for (std::size_t d = 0; d < digits.size(); ++d) {
        Point const local {(p.x - left - advance * float(d)) / 0.6f + 0.1f, p.y + 0.5f};
        for (Stroke const& stroke : DigitStrokes(digits[d]))
            for (std::size_t k = 0; k + 1 < stroke.size(); ++k)
                nearest = std::min(nearest, SegmentDistance(local, stroke[k], stroke[k + 1]) * 0.6f);
    }
    float const half = 0.075f;
    return std::clamp((half - nearest) / 0.02f + 0.5f, 0.0f, 1.0f);
}

uint32_t const kSegmentColours[10] = {0xe8313b, 0xf39c12, 0xf2c81f, 0x2ecc40, 0x18b5b0,
                                      0x2f7fe0, 0x9b4fd6, 0xe84393, 0x27ae60, 0xff7f50};

// The face at (x, z) in -1..1 (the rim at radius 1).
Rgba Face(float x, float z)
{
    float const r = std::hypot(x, z);
    float angle = std::atan2(x, z);
    if (angle < 0.0f)
        angle += 2.0f * Norv::kPiF;
    int const segment = WheelNumberAt(angle) - 1;
    if (r > 0.97f)
        return Hex(0x2b2d42);
    if (r > 0.9f) {
        // The rim, with a peg between each pair of segments.
        float const boundary = std::fabs(std::remainder(angle, kSegment)) * r;
        return boundary < 0.035f ? Hex(0xffffff) : Hex(0x3d405b);
    }
    if (r < 0.2f)
        return r < 0.16f ? Mix(Hex(0xffffff), Hex(0xdde3ea), r / 0.16f) : Hex(0xffd93d);
    Rgba colour = Hex(kSegmentColours[segment]);
    colour = Mix(colour, Hex(0xffffff), 0.25f * (1.0f - r));
    // A thin white line between segments.
    if (std::fabs(std::remainder(angle, kSegment)) * r < 0.008f)
        return Hex(0xffffff);
    // The number, upright for a reader looking from beyond the rim.
    float const centre = 2.0f * Norv::kPiF - (float(segment) + 0.5f) * kSegment;
    float const s = std::sin(centre), c = std::cos(centre);
    float const glyphHeight = 0.24f;
    float const dx = x - 0.68f * s, dz = z - 0.68f * c;
    Point const glyph {(dx * c - dz * s) / glyphHeight, (-dx * s - dz * c) / glyphHeight};
    float const ink = NumberCoverage(segment + 1, glyph);
    return Mix(colour, Hex(0xffffff), ink);
}

template <typename Paint>
Picture FacePicture(Paint paint)
{
    Picture picture(256, 256);
    picture.Fill([&](float u, float v) { return paint(u * 2.0f - 1.0f, v * 2.0f - 1.0f); });
    return picture;
}

Rgba Blurred(float x, float z)
{
    float const r = std::hypot(x, z);
    float const angle = std::atan2(x, z);
    Rgba sum {0, 0, 0, 0};
    int const taps = 16;
    for (int k = 0; k < taps; ++k) {
        float const a = angle + 0.5f * (float(k) / float(taps - 1) - 0.5f);
        Rgba const c = Face(r * std::sin(a), r * std::cos(a));
        sum = {sum.r + c.r / taps, sum.g + c.g / taps, sum.b + c.b / taps, 1.0f};
    }
    return sum;
}

// A normal map from the face's brightness as a gentle relief.
Picture NormalMap(Picture const& face)
{
    Picture normals(face.width, face.height);
    auto height = [&](int x, int y) {
        Rgba const& c = face.At(std::clamp(x, 0, face.width - 1), std::clamp(y, 0, face.height - 1));
        return (c.r + c.g + c.b) / 3.0f;
    };
    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x) {
            PVRTVec3 const n = PVRTVec3(height(x - 1, y) - height(x + 1, y), height(x, y - 1) - height(x, y + 1), 4.0f)
                                   .normalized();
            normals.At(x, y) = {0.5f + 0.5f * n.x, 0.5f + 0.5f * n.y, 0.5f + 0.5f * n.z, 1.0f};
        }
    return normals;
}

PVRTVec3 const kUp(0.0f, 1.0f, 0.0f);

} // namespace

uint32_t WheelSegmentColour(int number)
{
    return kSegmentColours[std::clamp(number, 1, 10) - 1];
}

int WheelNumberAt(float angle)
{
    float a = std::fmod(-angle, 2.0f * Norv::kPiF);
    if (a < 0.0f)
        a += 2.0f * Norv::kPiF;
    return std::min(9, int(a / kSegment)) + 1;
}

bool WriteWheel(std::string const& folder, Layout const& layout, HeightField const& land)
{
    Picture const sharp = FacePicture(Face);
    Picture const blurred = FacePicture(Blurred);
    if (!sharp.WritePvr(folder + "/wheel.pvr") || !blurred.WritePvr(folder + "/wheel_blur.pvr")
        || !NormalMap(sharp).WritePvr(folder + "/wheelNormal.pvr")
        || !NormalMap(blurred).WritePvr(folder + "/wheelNormal_blur.pvr"))
        return false;

    float const radius = layout.wheel.radius;
    float const ground = land.At(layout.wheel.x, layout.wheel.z);
    PodScene wheel;
    PodMesh disc;
    disc.name = "spinner";
    disc.material = wheel.AddMaterial("spinner", "wheel.png");
    disc.translation = PVRTVec3(layout.wheel.x, ground + kWheelHeight, layout.wheel.z);
    uint16_t const hub = disc.Add(PVRTVec3(0, 0, 0), kUp, 0.5f, 0.5f);
    for (int s = 0; s <= kWheelSides; ++s) {
        float const a = 2.0f * Norv::kPiF * float(s) / float(kWheelSides);
        float const x = std::sin(a), z = std::cos(a);
        disc.Add(PVRTVec3(x * radius, 0.0f, z * radius), kUp, 0.5f + 0.5f * x, 0.5f + 0.5f * z);
        // The rim's side, in the rim's dark colour, down into the land.
        disc.Add(PVRTVec3(x * radius, 0.0f, z * radius), PVRTVec3(x, 0, z), 0.5f + 0.495f * x, 0.5f + 0.495f * z);
        disc.Add(PVRTVec3(x * radius, -kWheelHeight - 20.0f, z * radius), PVRTVec3(x, 0, z), 0.5f + 0.495f * x,
                 0.5f + 0.495f * z);
        if (s > 0) {
            uint16_t const v = uint16_t(disc.vertices.size() - 3);
            disc.Triangle(hub, uint16_t(v - 3), v);
            disc.Quad(uint16_t(v - 2), uint16_t(v - 1), uint16_t(v + 2), uint16_t(v + 1));
        }
    }
    wheel.meshes.push_back(disc);
    if (!wheel.Write(folder + "/spinner.pod"))
        return false;

    // The clicker pivots on a post beyond the rim at +z; its arm reaches
    // back over the numbers towards the centre.
    PodScene clicker;
    PodMesh arm;
    arm.name = "clicker";
    arm.material = clicker.AddMaterial("clicker", "");
    clicker.materials[0].colour[0] = 0.95f, clicker.materials[0].colour[1] = 0.2f, clicker.materials[0].colour[2] = 0.25f;
    float const post = 22.0f;
    arm.translation = PVRTVec3(layout.wheel.x, ground + kWheelHeight, layout.wheel.z + radius + post * 1.5f);
    auto box = [&](PVRTVec3 const& lo, PVRTVec3 const& hi, uint32_t top, uint32_t side) {
        PVRTVec3 const c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z},
                               {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
        int const faces[6][4] = {{4, 7, 6, 5}, {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}, {0, 1, 2, 3}};
        for (int f = 0; f < 6; ++f) {
            uint32_t const colour = f == 0 ? top : side;
            uint16_t v[4];
            for (int k = 0; k < 4; ++k)
                v[k] = arm.Add(c[faces[f][k]], kUp, 0, 0, colour);
            arm.Quad(v[0], v[1], v[2], v[3]);
        }
    };
    box(PVRTVec3(-post, -kWheelHeight - 20.0f, -post), PVRTVec3(post, 30.0f, post), 0xffd93dffu, 0xd4a017ffu);
    float const reach = post * 1.5f + kClickerReach;
    box(PVRTVec3(-9.0f, 18.0f, -reach), PVRTVec3(9.0f, 30.0f, 0.0f), 0xff4d4dffu, 0xc0392bffu);
    clicker.meshes.push_back(arm);
    return clicker.Write(folder + "/ratchett.pod");
}
