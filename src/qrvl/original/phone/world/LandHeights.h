// How high the board's land stands round a ground point, gathered from the
// ground patches' grid, so that the camera can keep its eye above the hills.
#pragma once

#include <cstdint>
#include <unordered_map>

class LandHeights {
public:
    // The ground patches' grid step, as the board tool lays them.
    static constexpr float kGridStep = 80.0f;

    void Clear() { highest.clear(); }
    // One point of the grid.
    void Add(float x, float y, float z);
    // The highest land within a grid step of (x, z); false off the land.
    bool HighestNear(float x, float z, float& height) const;

private:
    static int64_t Key(int64_t column, int64_t row) { return column * 1000003 + row; }

    // The highest point of each grid cell.
    std::unordered_map<int64_t, float> highest;
};
