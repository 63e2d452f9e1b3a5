// The board's spaces on the 3D paths: points from the chains of space
// points, and each space's path and distance from walking the car paths.
#include "qrvl/original/rules/Board.h"

#include "qrvl/port/Nurbs.h"
#include "qrvl/port/RegistryVar.h"
#include "qrvl/port/Splines.h"

#include <cfloat>

namespace {

// Default step, in world units, of the walk that lays spaces on a path.
constexpr int kPathStepIncrement = 5;

} // namespace

void Board::ParseBoardSplines()
{
    for (BoardSpace& space : spaces) {
        space.position[0] = FLT_MAX;
        space.position[1] = 0.0f;
        space.position[2] = 0.0f;
        space.path = nullptr;
        space.pathDistance = 0.0f;
        space.startsPath = false;
    }
    Splines splines;
    splines.Serialise(Splines::kFileName);
    for (unsigned i = 0; i < splines.GetCount(); ++i) {
        Spline const* spline = splines.GetSpline(i);
        if (spline->GetType() != Spline::kSpacePoints || spline->GetStartPos() >= kNumSpaces)
            continue;
        int index = static_cast<int>(spline->GetStartPos());
        for (unsigned p = 0; p < spline->GetCount() && index >= 0; ++p) {
            PVRTVec3 const point = spline->GetPos(p);
            spaces[index].position[0] = point.x;
            spaces[index].position[1] = point.y;
            spaces[index].position[2] = point.z;
            index = spaces[index].next;
        }
    }
    // A step below one unit would never end the walk.
    RegistryVar<int> stepIncrement("PathStepIncrement", kPathStepIncrement);
    int const step = stepIncrement.Get() > 0 ? stepIncrement.Get() : 1;
    for (unsigned i = 0; i < splines.GetCount(); ++i) {
        Spline* spline = splines.GetSpline(i);
        if (spline->GetType() != Spline::kCarPath || spline->GetStartPos() >= kNumSpaces)
            continue;
        Norv::SmartPtr<Nurbs> curve(new Nurbs(spline));
        int index = static_cast<int>(spline->GetStartPos());
        bool first = true;
        for (float distance = 0.0f; distance < curve->GetLength() && index >= 0; distance += static_cast<float>(step)) {
            PVRTVec3 point;
            PVRTVec3 tangent;
            curve->CalcPointAtDist(distance, &point, &tangent, nullptr);
            BoardSpace& space = spaces[index];
            PVRTVec3 const spacePoint(space.position[0], space.position[1], space.position[2]);
            // Laid at the first step that has left the space behind.
            if (!((spacePoint - point).dot(tangent) < 0.0f))
                continue;
            space.path = curve;
            space.pathDistance = distance;
            space.startsPath = first;
            first = false;
            index = space.next;
        }
    }
}
