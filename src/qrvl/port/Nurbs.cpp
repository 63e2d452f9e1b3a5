// The board path curve: per segment, the Cox-de Boor recursion carried out on
// polynomials in the segment's own parameter u, so that a point is a few
// multiplications; lengths are measured by chords.
#include "qrvl/port/Nurbs.h"

namespace {

// B-spline order (quadratic) and the chords that measure one segment.
constexpr int kOrder = 3;
constexpr int kChordsPerSegment = 10;

float Knot(int i)
{
    // Knots 0, 1, 2, ... numbered from 1.
    return static_cast<float>(i - 1);
}

} // namespace

Nurbs::Nurbs(Spline* source) : spline(source)
{
    unsigned const n = spline ? spline->GetCount() : 0;
    unsigned const count = n >= 2 ? n - 1 : 0;
    x.resize(count);
    y.resize(count);
    z.resize(count);
    w.resize(count);
    segments.resize(count);
    ComputeSegPolynomials();
    ComputeSegments();
}

void Nurbs::ComputeSegPolynomials()
{
    int const n = static_cast<int>(spline ? spline->GetCount() : 0);
    for (int s = 0; s + 1 < n; ++s) {
        float const t0 = static_cast<float>(s + 2);
        // basis[i] is N(i) for i = 1 .. n + 2; slot 0 and the last stay zero.
        std::vector<Polynomial> basis(static_cast<std::size_t>(n + 4));
        for (int i = 1; i <= n + 2; ++i) {
            if (Knot(i) <= t0 + 0.5f && t0 + 0.5f < Knot(i + 1))
                basis[i] = 1.0f;
        }
        for (int k = 2; k <= kOrder; ++k) {
            for (int i = 1; i <= n + 3 - k; ++i) {
                Polynomial rising;
                Polynomial falling;
                if (basis[i] != 0.0f)
                    rising = (Polynomial(1.0f, t0 - Knot(i)) * basis[i]) / (Knot(i + k - 1) - Knot(i));
                if (basis[i + 1] != 0.0f)
                    falling = (Polynomial(-1.0f, Knot(i + k) - t0) * basis[i + 1]) / (Knot(i + k) - Knot(i + 1));
                basis[i] = rising + falling;
            }
        }
        Polynomial weight;
        for (int i = 1; i <= n; ++i)
            weight += basis[i];
        Polynomial px, py, pz;
        if (weight != 0.0f) {
            for (int i = 1; i <= n; ++i) {
                PVRTVec3 const point = spline->GetPos(static_cast<unsigned>(i - 1));
                px += basis[i] * point.x;
                py += basis[i] * point.y;
                pz += basis[i] * point.z;
            }
        }
        x[s] = px;
        y[s] = py;
        z[s] = pz;
        w[s] = weight;
    }
}

void Nurbs::ComputeSegments()
{
    float running = 0.0f;
    for (unsigned s = 0; s < segments.size(); ++s) {
        float length = 0.0f;
        PVRTVec3 previous;
        GetNurbsPos(&previous, static_cast<int>(s), 0.0f);
        for (int step = 1; step <= kChordsPerSegment; ++step) {
            PVRTVec3 point;
            GetNurbsPos(&point, static_cast<int>(s), static_cast<float>(step) / kChordsPerSegment);
            length += (point - previous).length();
            previous = point;
        }
        segments[s] = Segment {running, length};
        running += length;
    }
    totalLength = running;
}

void Nurbs::GetNurbsPos(PVRTVec3* out, int segment, float u) const
{
    if (!out || segment < 0 || static_cast<std::size_t>(segment) >= w.size())
        return;
    float const weight = w[segment].Evaluate(u);
    *out = PVRTVec3(x[segment].Evaluate(u), y[segment].Evaluate(u), z[segment].Evaluate(u)) / weight;
}

void Nurbs::GetNurbsTangent(PVRTVec3* out, int segment, float u) const
{
    if (!out || segment < 0 || static_cast<std::size_t>(segment) >= w.size())
        return;
    float const weight = w[segment].Evaluate(u);
    float const slope = w[segment].EvaluateDifferential(u);
    auto derivative = [&](Polynomial const& p) {
        return (p.EvaluateDifferential(u) * weight - p.Evaluate(u) * slope) / (weight * weight);
    };
    PVRTVec3 const tangent(derivative(x[segment]), derivative(y[segment]), derivative(z[segment]));
    float const length = tangent.length();
    // Repeated points stop the curve for a moment: no direction rather than NaN.
    *out = length > 0.0f ? tangent / length : PVRTVec3();
}

void Nurbs::CalcPointAtDist(float distance, PVRTVec3* position, PVRTVec3* tangent, unsigned* segment) const
{
    if (segments.empty())
        return;
    unsigned s = 0;
    float u = 0.0f;
    if (distance >= totalLength) {
        s = static_cast<unsigned>(segments.size() - 1);
        u = 1.0f;
    } else if (distance > 0.0f) {
        while (s + 1 < segments.size() && segments[s].start + segments[s].length < distance)
            ++s;
        u = segments[s].length > 0.0f ? (distance - segments[s].start) / segments[s].length : 0.0f;
    }
    GetNurbsPos(position, static_cast<int>(s), u);
    GetNurbsTangent(tangent, static_cast<int>(s), u);
    if (segment)
        *segment = s;
}
