// The board's ambient and wheel emitters are placed in world units by their
// files, so they must follow the layout: the wheel's smoke and rocks circle
// the wheel where it stands, snow falls over the snowfields and nowhere
// else, and the leaves fall over the land away from the snow.
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

// The emission box of an emitter in data/particles; false without one.
bool EmissionBox(char const* emitter, Box& box)
{
    std::ifstream in(std::string(QUORVEL_SOURCE_ROOT "/data/particles/") + emitter + ".xml");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ezxml_t root = ezxml_parse_str(text.data(), text.size());
    ezxml_t element = root ? ezxml_child(root, "posbbox") : nullptr;
    if (element) {
        auto read = [&](char const* name) {
            char const* value = ezxml_attr(element, name);
            return value ? std::stof(value) : 0.0f;
        };
        box = {read("minx"), read("miny"), read("minz"), read("maxx"), read("maxy"), read("maxz")};
    }
    ezxml_free(root);
    return element != nullptr;
}

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

TEST_F(BoardEmitterPlacesTest, SnowFallsOverEverySnowfieldAndNoFurther)
{
    Box snow;
    ASSERT_TRUE(EmissionBox("snow", snow));
    ASSERT_FALSE(layout.snow.empty());
    Box fields = {1e9f, 0, 1e9f, -1e9f, 0, -1e9f};
    for (Circle const& field : layout.snow) {
        EXPECT_TRUE(snow.Holds(field.x, field.z)) << "no snow over the field at " << field.x << ", " << field.z;
        fields.minX = std::min(fields.minX, field.x - field.radius);
        fields.maxX = std::max(fields.maxX, field.x + field.radius);
        fields.minZ = std::min(fields.minZ, field.z - field.radius);
        fields.maxZ = std::max(fields.maxZ, field.z + field.radius);
    }
    EXPECT_TRUE(fields.Holds(snow.minX, snow.minZ) && fields.Holds(snow.maxX, snow.maxZ))
        << "snow falls beyond the snowfields";
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
