// A board path as a uniform quadratic B-spline through a spline record's
// points, measured so that a point and heading can be asked for at a
// distance along it.
#pragma once

#include "qrvl/port/Polynomial.h"
#include "qrvl/port/Spline.h"

#include "norv/base/core/SmartPtr.h"

#include <vector>

class Nurbs : public Norv::RefCounter {
public:
    // The spline needs at least two points; with fewer the curve is empty
    // (length 0, every query answers the single point or nothing).
    explicit Nurbs(Spline* spline);

    // Any output may be null. Distances outside the curve give its ends.
    void CalcPointAtDist(float distance, PVRTVec3* position, PVRTVec3* tangent, unsigned* segment) const;
    float GetLength() const { return totalLength; }
    unsigned GetSegmentCount() const { return static_cast<unsigned>(x.size()); }

    void GetNurbsPos(PVRTVec3* out, int segment, float u) const;
    // Unit tangent.
    void GetNurbsTangent(PVRTVec3* out, int segment, float u) const;

private:
    struct Segment {
        float start;
        float length;
    };

    void ComputeSegPolynomials();
    void ComputeSegments();

    Norv::SmartPtr<Spline> spline;
    std::vector<Polynomial> x, y, z, w;
    std::vector<Segment> segments;
    float totalLength = 0.0f;
};
