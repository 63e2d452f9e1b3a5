// Fixed-point moves, distances, intersections and projections.
#include "qrvl/original/framework/FGGeometry.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMsPerSecond = 1000;

// A difference of two fixed-point vectors, wide enough that no product of
// two of them overflows.
struct Wide {
    int64_t x;
    int64_t y;
};

Wide Minus(FGVector const& a, FGVector const& b)
{
    return {int64_t{a.x} - b.x, int64_t{a.y} - b.y};
}

int64_t Cross(Wide v, Wide w)
{
    return v.x * w.y - v.y * w.x;
}

int64_t Dot(Wide v, Wide w)
{
    return v.x * w.x + v.y * w.y;
}

// The point a fraction t of the way from a to b (t may lie outside 0 to 1).
FGVector Along(FGVector const& a, FGVector const& b, double t)
{
    Wide const d = Minus(b, a);
    return FGVector(static_cast<int>(a.x + static_cast<int64_t>(static_cast<double>(d.x) * t)),
                    static_cast<int>(a.y + static_cast<int64_t>(static_cast<double>(d.y) * t)));
}

// -1, 0 or 1: on which side of the line through a and b the point lies.
int Side(FGVector const& a, FGVector const& b, FGVector const& p)
{
    int64_t const cross = Cross(Minus(b, a), Minus(p, a));
    return (cross > 0) - (cross < 0);
}

} // namespace

int FGGeometry::applyPPSVel(int value, int velocity, int ms)
{
    // Whole seconds and the rest give the same result as one product, which
    // 64 bits hold.
    return static_cast<int>(value + int64_t{velocity} * ms / kMsPerSecond);
}

void FGGeometry::applyPPSVel(FGVector const& position, FGVector const& velocity, int ms, FGVector& out)
{
    out.setXY(applyPPSVel(position.x, velocity.x, ms), applyPPSVel(position.y, velocity.y, ms));
}

int FGGeometry::applyPPSVelToward(int value, int speed, int target, int ms)
{
    int64_t const step = std::llabs(int64_t{speed} * ms / kMsPerSecond);
    int64_t const gap = int64_t{target} - value;
    if (std::llabs(gap) <= step)
        return target;
    return static_cast<int>(gap > 0 ? value + step : value - step);
}

void FGGeometry::applyPPSVelToward(FGVector const& position, int speed, FGVector const& target, int ms,
                                   FGVector& out)
{
    int64_t const step = std::llabs(int64_t{speed} * ms / kMsPerSecond);
    int const distance = getFixDistance(position, target);
    out = distance <= step ? target : Along(position, target, static_cast<double>(step) / distance);
}

int FGGeometry::getFixDistance(FGVector const& a, FGVector const& b)
{
    Wide const d = Minus(b, a);
    FGVector const between(static_cast<int>(d.x), static_cast<int>(d.y));
    return between.getLength();
}

int FGGeometry::getFixPsuedoDistance(FGVector const& a, FGVector const& b)
{
    Wide const d = Minus(b, a);
    return static_cast<int>(std::llabs(d.x) + std::llabs(d.y));
}

bool FGGeometry::getIntersectionPoint(FGVector const& a1, FGVector const& a2, FGVector const& b1,
                                      FGVector const& b2, FGVector& out)
{
    int64_t const denominator = Cross(Minus(a2, a1), Minus(b2, b1));
    if (denominator == 0)
        return false;
    out = Along(a1, a2, static_cast<double>(Cross(Minus(b1, a1), Minus(b2, b1))) / denominator);
    return true;
}

bool FGGeometry::segmentsIntersect(FGVector const& a1, FGVector const& a2, FGVector const& b1, FGVector const& b2,
                                   FGVector& out)
{
    int64_t denominator = Cross(Minus(a2, a1), Minus(b2, b1));
    if (denominator == 0)
        return false;
    int64_t onA = Cross(Minus(b1, a1), Minus(b2, b1));
    int64_t onB = Cross(Minus(b1, a1), Minus(a2, a1));
    if (denominator < 0) {
        denominator = -denominator;
        onA = -onA;
        onB = -onB;
    }
    if (onA < 0 || onA > denominator || onB < 0 || onB > denominator)
        return false;
    out = Along(a1, a2, static_cast<double>(onA) / denominator);
    return true;
}

bool FGGeometry::sameSide(FGVector const& p1, FGVector const& p2, FGVector const& a, FGVector const& b)
{
    return Side(a, b, p1) * Side(a, b, p2) >= 0;
}

bool FGGeometry::ptInTriangle(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& p)
{
    return sameSide(p, a, b, c) && sameSide(p, b, a, c) && sameSide(p, c, a, b);
}

void FGGeometry::projectToLine(FGVector const& a, FGVector const& b, FGVector const& p, FGVector& out)
{
    Wide const line = Minus(b, a);
    int64_t const lengthSquared = Dot(line, line);
    out = lengthSquared == 0 ? a : Along(a, b, static_cast<double>(Dot(Minus(p, a), line)) / lengthSquared);
}

bool FGGeometry::forceInBounds(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& p,
                               FGVector const& q, FGVector& out)
{
    if (sameSide(q, c, a, b)) {
        out = q;
        return false;
    }
    if (!getIntersectionPoint(p, q, a, b, out))
        out = p;
    return true;
}

bool FGGeometry::forceInBoundsSlide(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& q,
                                    FGVector& out)
{
    if (sameSide(q, c, a, b)) {
        out = q;
        return false;
    }
    projectToLine(a, b, q, out);
    return true;
}

int FGGeometry::evenSpace(int total, int size, int count, int index)
{
    if (count < 1)
        return 0;
    int64_t const gap = (int64_t{total} - int64_t{count} * size) / (count + 1);
    return static_cast<int>(gap + int64_t{index} * (size + gap));
}
