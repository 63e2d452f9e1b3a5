// The modelling kit: solids made in their own frame, each with texture
// coordinates over 0..1, to be placed into a prop's mesh.
#pragma once

#include "PropMesh.h"

#include <vector>

// A box centred on the origin, its edges rounded by the bevel radius in
// the given number of steps.
PropMesh Box(PVRTVec3 const& size, float bevel, int steps);
// A surface of revolution about y of a profile of (radius, height) pairs,
// from the first pair to the last; corners are kept sharp unless smooth.
PropMesh Lathe(std::vector<float> const& profile, int sides, bool smooth);
// A closed cylinder or, with a different top radius, a cone's frustum,
// standing on y = 0.
PropMesh Cylinder(float radius, float topRadius, float height, int sides);
PropMesh Sphere(float radius, int sides, int rings);
// A ring lying in the xz plane.
PropMesh Torus(float radius, float tube, int sides, int rings);
// A flat w x h sheet in the xy plane facing +z, cut into columns and
// rows; texture coordinates run left to right and top to bottom.
PropMesh Sheet(float width, float height, int columns, int rows);
// A flat outline in the xy plane of (x, y) pairs, fanned from its
// centre, thickened along z; depth 0 gives a single face towards +z.
PropMesh Extrusion(std::vector<float> const& outline, float depth);

// Where a solid goes: scaled, turned by degrees about x, then y, then z,
// then moved.
struct Placing {
    PVRTVec3 at{0, 0, 0};
    PVRTVec3 turn{0, 0, 0};
    PVRTVec3 scale{1, 1, 1};
};

// Appends a solid to a mesh. Texture coordinates are kept, or all set to
// one point (a swatch cell) when cell is given.
void Place(PropMesh& into, PropMesh const& solid, Placing const& placing, float const* cell);
