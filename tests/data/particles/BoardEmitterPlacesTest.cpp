// The board's ambient and wheel emitters are placed in world units by their
// files, so they must follow the layout: the wheel's smoke and rocks circle
// the wheel where it stands, snow falls over a snowfield and nowhere else,
// and the leaves fall over the land away from the snow.
#include "HeightField.h"
#include "Layout.h"
#include "WheelScene.h"

#include "contrib/ezxml/ezxml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Box {
    float minX = 0, minY = 0, minZ = 0, maxX = 0, maxY = 0, maxZ = 0;
    bool Holds(float x, float z) const { return x >= minX && x <= maxX && z >= minZ && z <= maxZ; }
};

// A box element ("posbbox", "velbbox") of an emitter in data/particles;
// false without one.
bool ReadBox(char const* emitter, char const* name, Box& box)
{
    std::ifstream in(std::string(QUORVEL_SOURCE_ROOT "/data/particles/") + emitter + ".xml");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ezxml_t root = ezxml_parse_str(text.data(), text.size());
    ezxml_t element = root ? ezxml_child(root, name) : nullptr;
    if (element) {
        auto read = [&](char const* attribute) {
            char const* value = ezxml_attr(element, attribute);
            return value ? std::stof(value) : 0.0f;
        };
        box = {read("minx"), read("miny"), read("minz"), read("maxx"), read("maxy"), read("maxz")};
    }
    ezxml_free(root);
    return element != nullptr;
}

bool EmissionBox(char const* emitter, Box& box) { return ReadBox(emitter, "posbbox", box); }
bool VelocityBox(char const* emitter, Box& box) { return ReadBox(emitter, "velbbox", box); }

class BoardEmitterPlacesTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(ReadLayout(QUORVEL_SOURCE_ROOT "/data/board/layout.txt", layout, error)) << error;
    }

    Layout layout;
};

TEST_F(BoardEmitterPlacesTest, TheWheelsSmokeAndRocksRiseFromItsFace)
{
    float const face = HeightField(layout).At(layout.wheel.x, layout.wheel.z) + kWheelHeight;
    for (char const* emitter : {"smoke", "rocks"}) {
        Box box;
        ASSERT_TRUE(EmissionBox(emitter, box)) << emitter;
        EXPECT_NEAR((box.minX + box.maxX) / 2, layout.wheel.x, 1.0f) << emitter;
        EXPECT_NEAR((box.minZ + box.maxZ) / 2, layout.wheel.z, 1.0f) << emitter;
        EXPECT_GE(box.minY, face) << emitter << " starts inside the wheel";
        EXPECT_LE(box.maxY, face + 40.0f) << emitter << " starts in the air above the wheel";
    }
}

// Flakes drift sideways as they fall, until the land hides them: the box,
// widened by that drift, stays inside one snowfield, so no snow falls on
// the grass or the road between the fields.
TEST_F(BoardEmitterPlacesTest, SnowFallsWithinASnowfieldAndNotBetweenThem)
{
    Box snow;
    Box drift;
    ASSERT_TRUE(EmissionBox("snow", snow));
    ASSERT_TRUE(VelocityBox("snow", drift));
    ASSERT_LT(drift.maxY, 0.0f) << "snow falls";
    HeightField const land(layout);
    float ground = 1e9f;
    for (float x = snow.minX; x <= snow.maxX; x += 50.0f)
        for (float z = snow.minZ; z <= snow.maxZ; z += 50.0f)
            ground = std::min(ground, land.At(x, z));
    float const seconds = (snow.maxY - ground) / -drift.maxY;
    float const reachX = seconds * std::max(-drift.minX, drift.maxX);
    float const reachZ = seconds * std::max(-drift.minZ, drift.maxZ);
    float const corners[4][2] = {{snow.minX - reachX, snow.minZ - reachZ}, {snow.minX - reachX, snow.maxZ + reachZ},
                                 {snow.maxX + reachX, snow.minZ - reachZ}, {snow.maxX + reachX, snow.maxZ + reachZ}};
    bool inOneField = false;
    for (Circle const& field : layout.snow) {
        bool holdsAll = true;
        for (auto const& corner : corners) {
            float const dx = corner[0] - field.x, dz = corner[1] - field.z;
            holdsAll = holdsAll && dx * dx + dz * dz <= field.radius * field.radius;
        }
        inOneField = inOneField || holdsAll;
    }
    EXPECT_TRUE(inOneField) << "snow drifts beyond the snowfields, " << reachX << " by " << reachZ
                            << " round its box";
}

TEST_F(BoardEmitterPlacesTest, LeavesFallOverTheLandAwayFromTheSnow)
{
    Box leaves;
    ASSERT_TRUE(EmissionBox("leaf1", leaves));
    EXPECT_TRUE(leaves.minX >= layout.minX && leaves.maxX <= layout.maxX && leaves.minZ >= layout.minZ
                && leaves.maxZ <= layout.maxZ);
    for (Circle const& field : layout.snow) {
        bool const apart = leaves.maxX < field.x - field.radius || leaves.minX > field.x + field.radius
            || leaves.maxZ < field.z - field.radius || leaves.minZ > field.z + field.radius;
        EXPECT_TRUE(apart) << "leaves fall on the snowfield at " << field.x << ", " << field.z;
    }
}

} // namespace
