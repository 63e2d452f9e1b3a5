#include "Terrain.h"

namespace {

// Land this little above the water is beach.
constexpr float kBeachHeight = 18.0f;

} // namespace

int GroundCode(Ground ground)
{
    switch (ground) {
    case Ground::Grass: return 254;
    case Ground::Sand: return 253;
    case Ground::Snow: return 251;
    case Ground::Water: return 250;
    }
    return 250;
}

Ground GroundAt(Layout const& layout, HeightField const& land, float x, float z)
{
    float const height = land.At(x, z);
    if (Inside(layout.lakes, x, z) > 0.0f && height < layout.waterLevel)
        return Ground::Water;
    if (Inside(layout.snow, x, z) > 0.0f)
        return Ground::Snow;
    if (Inside(layout.sand, x, z) > 0.0f || (!layout.lakes.empty() && Inside(layout.lakes, x, z) > 0.0f
                                             && height < layout.waterLevel + kBeachHeight))
        return Ground::Sand;
    return Ground::Grass;
}
