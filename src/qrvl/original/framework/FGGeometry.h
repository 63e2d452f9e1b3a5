// 2D geometry on fixed-point values and vectors: moves by a speed in units
// per second, distances, line and triangle tests, projections.
#pragma once

#include "qrvl/original/framework/FGVector.h"

class FGGeometry {
public:
    // The value moved by a velocity in units per second over `ms` milliseconds.
    static int applyPPSVel(int value, int velocity, int ms);
    static void applyPPSVel(FGVector const& position, FGVector const& velocity, int ms, FGVector& out);
    // Moved towards the target by speed per second, never past it.
    static int applyPPSVelToward(int value, int speed, int target, int ms);
    // Moved along the straight line to the target; the target itself when
    // it is closer than the step.
    static void applyPPSVelToward(FGVector const& position, int speed, FGVector const& target, int ms, FGVector& out);

    static int getFixDistance(FGVector const& a, FGVector const& b);
    // |dx| + |dy|.
    static int getFixPsuedoDistance(FGVector const& a, FGVector const& b);

    // Whether the segments a1-a2 and b1-b2 cross; the crossing in `out`.
    static bool segmentsIntersect(FGVector const& a1, FGVector const& a2, FGVector const& b1, FGVector const& b2,
                                  FGVector& out);
    // The crossing of the two lines; false for parallel lines.
    static bool getIntersectionPoint(FGVector const& a1, FGVector const& a2, FGVector const& b1,
                                     FGVector const& b2, FGVector& out);
    // Whether p1 and p2 lie on the same side of the line through a and b
    // (a point on the line counts for either side).
    static bool sameSide(FGVector const& p1, FGVector const& p2, FGVector const& a, FGVector const& b);
    static bool ptInTriangle(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& p);
    // The projection of p on the line through a and b; a when a equals b.
    static void projectToLine(FGVector const& a, FGVector const& b, FGVector const& p, FGVector& out);

    // Keeps a point moving from p to q on the side of the boundary line a-b
    // where c lies: q itself when it stays there, else where the move
    // crosses the line (or, sliding, q projected on the line). True when
    // the point was corrected.
    static bool forceInBounds(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& p,
                              FGVector const& q, FGVector& out);
    static bool forceInBoundsSlide(FGVector const& a, FGVector const& b, FGVector const& c, FGVector const& q,
                                   FGVector& out);

    // Where item `index` starts when `count` items of `size` are spread over
    // `total` with equal gaps before, between and after them.
    static int evenSpace(int total, int size, int count, int index);
};
