// Between world positions on the board plane (x, z) and points on the map
// picture: the picture's centre, nudged left and up, is the world origin,
// and both axes scale with the display's height.
#pragma once

namespace qrvl {

class MapProjection {
public:
    struct Vec2 {
        float x;
        float y;
    };

    // The defaults of the registry's tuning values (x and z are used).
    static constexpr float kWorldToMapX = 0.000152587890625f;
    static constexpr float kWorldToMapZ = 0.00015055338735692203f;
    static constexpr float kMapToWorldX = 6552.00048828125f;
    static constexpr float kMapToWorldZ = 6647.0400390625f;
    // The scale follows the height the map's art is drawn for, so the cars
    // sit on the picture at every window size: normal art is laid out for a
    // 768-pixel-high base, large art is 1.4 times bigger.
    static constexpr int kArtHeights[2] = {768, 1075};
    static int ArtHeight(int assetSize) { return kArtHeights[assetSize == 1 ? 1 : 0]; }

    // The map picture's rectangle on screen and the height the scale follows.
    MapProjection(int x, int y, int width, int height, int displayHeight);

    void SetWorldToMapScale(float x, float z);
    void SetMapToWorldScale(float x, float z);

    // A world point (x, z) to a screen point on the map.
    Vec2 WorldToMap(float worldX, float worldZ) const;
    // A tapped point, as fractions of the picture's size, to world (x, z).
    Vec2 MapToWorldXZ(Vec2 fraction) const;
    // The world point (x, z) that WorldToMap puts at a screen point: what
    // the picture shows there.
    Vec2 WorldAt(Vec2 point) const;

private:
    int x;
    int y;
    int width;
    int height;
    int displayHeight;
    Vec2 worldToMap{kWorldToMapX, kWorldToMapZ};
    Vec2 mapToWorld{kMapToWorldX, kMapToWorldZ};
};

} // namespace qrvl
