// Catmull-Rom through the waypoints, sampled finely and measured.
#include "BoardRoad.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kSampleStep = 10.0f;
constexpr float kDirectionStep = 1.0f;

PVRTVec3 CatmullRom(PVRTVec3 const& p0, PVRTVec3 const& p1, PVRTVec3 const& p2, PVRTVec3 const& p3, float t)
{
    float const t2 = t * t;
    float const t3 = t2 * t;
    return (p1 * 2.0f + (p2 - p0) * t + (p0 * 2.0f - p1 * 5.0f + p2 * 4.0f - p3) * t2
            + (p1 * 3.0f - p0 - p2 * 3.0f + p3) * t3)
           * 0.5f;
}

} // namespace

std::vector<PVRTVec3> SmoothThrough(std::vector<PVRTVec3> const& points, float sampleStep)
{
    std::vector<PVRTVec3> out;
    if (points.size() < 2)
        return points;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        PVRTVec3 const& p0 = points[i > 0 ? i - 1 : 0];
        PVRTVec3 const& p3 = points[std::min(i + 2, points.size() - 1)];
        int const steps = std::max(1, int((points[i + 1] - points[i]).length() / sampleStep));
        for (int s = 0; s < steps; ++s)
            out.push_back(CatmullRom(p0, points[i], points[i + 1], p3, float(s) / float(steps)));
    }
    out.push_back(points.back());
    return out;
}

BoardRoad::BoardRoad(std::vector<float> const& waypoints, HeightField const& land) : land(land)
{
    std::vector<PVRTVec3> points;
    for (std::size_t i = 0; i + 1 < waypoints.size(); i += 2)
        points.emplace_back(waypoints[i], 0.0f, waypoints[i + 1]);
    samples = SmoothThrough(points, kSampleStep);
    lengths.push_back(0.0f);
    for (std::size_t i = 1; i < samples.size(); ++i)
        lengths.push_back(lengths.back() + (samples[i] - samples[i - 1]).length());
}

PVRTVec3 BoardRoad::FlatPointAt(float s) const
{
    if (s <= 0.0f) {
        PVRTVec3 const d = (samples[1] - samples[0]).normalized();
        return samples[0] + d * s;
    }
    if (s >= Length()) {
        std::size_t const n = samples.size();
        PVRTVec3 const d = (samples[n - 1] - samples[n - 2]).normalized();
        return samples[n - 1] + d * (s - Length());
    }
    std::size_t const i = std::size_t(std::upper_bound(lengths.begin(), lengths.end(), s) - lengths.begin()) - 1;
    float const span = lengths[i + 1] - lengths[i];
    float const t = span > 0.0f ? (s - lengths[i]) / span : 0.0f;
    return samples[i] + (samples[i + 1] - samples[i]) * t;
}

PVRTVec3 BoardRoad::PointAt(float s) const
{
    PVRTVec3 p = FlatPointAt(s);
    p.y = land.At(p.x, p.z) + kRoadLift;
    return p;
}

PVRTVec3 BoardRoad::DirectionAt(float s) const
{
    return (FlatPointAt(s + kDirectionStep) - FlatPointAt(s - kDirectionStep)).normalized();
}

PVRTVec3 BoardRoad::LeftAt(float s) const
{
    PVRTVec3 const d = DirectionAt(s);
    return PVRTVec3(d.z, 0.0f, -d.x);
}
