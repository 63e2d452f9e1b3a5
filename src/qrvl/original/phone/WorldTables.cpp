#include "qrvl/original/phone/WorldTables.h"

#include <cmath>

namespace WorldTables {

char const* const kEnvironment[kEnvironmentModels] = {
    "butterfly_anim.pod", "sharkFin_anim.pod", "fired_anim.pod", "cpr_anim.pod",
    "billBoards_all.pod", "static_details.pod", "labels_board.pod"};

char const* const kCurrency[kCurrencyModels] = {"dollar_anim.pod", "pound_anim.pod", "euro_anim.pod"};

TouchableRow const kTouchables[kTouchableModels] = {{"balloon_anim.pod", "bi_balloon_tapped"},
                                                    {"rubberring_anim.pod", "bi_rring_tapped"}};

AnimatedTouchableRow const kAnimated[kAnimatedTouchables] = {
    {"boat_anim.pod", "boat_anim2.pod", true, {3478.8f, -224.2f, -1972.7f}, {0, 0, 0}, false, "bi_boat_tapped"},
    {"SUV_anim.pod", "suv_anim2.pod", true, {-617.9f, -168.3f, -924.3f}, {0, 0, 0}, true, "car_honk"},
    {"basket_anim.pod", "basket_anim.pod", false, {0, 0, 0}, {0, 0, 0}, false, "bi_bball_tapped"},
    {"goat_whole.pod", "goat_whole_anim.pod", false, {0, 0, 0}, {0, 0, 0}, false, "bi_goat_tapped"},
    {"snowMan_anim.pod", "snowMan_anim2.pod", true, {3469.7f, 261.5f, 1346.2f}, {0, -15.244f, 11.468f}, true,
     "bi_snowman_tapped"},
};

ModelRow const kPlaceableModels[kPlaceableModelCount] = {
    {"university.pod", "environment/"}, {"university_glow.pod", "environment/"}, {"church.pod", "environment/"},
    {"retirementHome.pod", "environment/"}, {"retirementHome_glow.pod", "environment/"},
    {"golfLodge.pod", "environment/"}, {"golfLodge_glow.pod", "environment/"}, {"factory.pod", "environment/"},
    {"mansion.pod", "environment/"}, {"mansion_glow.pod", "environment/"}, {"mountainShack.pod", "environment/"},
    {"mountainShack_glow.pod", "environment/"}, {"skiShack.pod", "environment/"},
    {"skiShack_glow.pod", "environment/"}, {"cabinA.pod", "environment/"}, {"cabinA_glow.pod", "environment/"},
    {"cabinB.pod", "environment/"}, {"cabinB_glow.pod", "environment/"}, {"cabinC.pod", "environment/"},
    {"cabinC_glow.pod", "environment/"}, {"cabinD.pod", "environment/"}, {"cabinD_glow.pod", "environment/"},
    {"cactusBig_anim.pod", "environment/"}, {"palmTreeBig_anim.pod", "environment/"},
    {"treeBrownBranches_anim.pod", "environment/"}, {"palmTreeSmall_anim.pod", "environment/"},
    {"treeGreen_anim.pod", "environment/"}, {"treeGreenBranchesB_anim.pod", "environment/"},
    {"treeRedBranches_anim.pod", "environment/"}, {"treeOrange_anim.pod", "environment/"},
    {"treePineLarge_anim.pod", "environment/"}, {"treePineSmall_anim.pod", "environment/"},
    {"snowPineLarge_anim.pod", "environment/"}, {"snowPineSmall_anim.pod", "environment/"},
    {"cashStack.pod", "environment/"}, {"goatHead_anim.pod", "environment/"}, {"moneyBag_anim.pod", "environment/"},
    {"mortarboard.pod", "environment/"}, {"snowMan_anim.pod", "environment/"}, {"tentBlue.pod", "environment/"},
    {"goatBody.pod", "environment/"}, {"church_glow.pod", "environment/"}, {"stopsign.pod", "environment/"},
    {"peg_pink_house.pod", "gameobjects/"}, {"peg_blue_house.pod", "gameobjects/"},
};

Placement const kBuildings[kBuildingRows] = {
    {0, {-439.0f, -77.6f, 1564.1f}, {-0.495f, 0, 0}}, {1, {}, {}},
    {2, {2434.1f, -15.3f, 1343.1f}, {0, 215.515f, 0}}, {41, {}, {}},
    {3, {-3062.4f, -113.8f, 1547.8f}, {0, 141.391f, 0}}, {4, {}, {}},
    {5, {-1965.3f, -48.2f, -651.9f}, {0.131f, -150.25f, 1.785f}}, {6, {}, {}},
    {8, {-3064.1f, -62.4f, 962.8f}, {0, 23.03f, 0}}, {9, {}, {}},
    {10, {2950.7f, 53.8f, 1665.6f}, {0, -70.318f, 0}}, {11, {}, {}},
    {12, {709.9f, -92.6f, 938.1f}, {0, -10.198f, 0}}, {13, {}, {}},
    {14, {-4214.9f, -51.7f, 437.5f}, {0.123f, -123.793f, -2.751f}}, {15, {}, {}},
    {16, {-3499.7f, -39.2f, 2326.6f}, {0, 181.472f, 0}}, {17, {}, {}},
    {18, {-490.3f, -72.9f, 896.2f}, {0, 35.295f, 0}}, {19, {}, {}},
    {20, {-1685.2f, -153.9f, 60.5f}, {0, -89.168f, 0}}, {21, {}, {}},
    {7, {-387.2f, -34.8f, -1792.4f}, {0, 1.175f, 0}}, {7, {}, {}},
};

Placement const kMoneyBags[2] = {{36, {-2623.4f, -59.5f, 966.0f}, {0, -34.014f, 0}},
                                 {36, {-3273.9f, -66.7f, 1199.8f}, {0, 43.788f, 0}}};

PVRTVec3 const kChimneySmoke[kChimneys] = {
    {-439.3f, 100.7f, 830.1f},   {-384.7f, 159.4f, 1561.4f}, {2960.0f, 267.6f, 1707.1f}, {-2848.4f, 202.3f, 864.1f},
    {-3291.4f, 165.5f, 1053.4f}, {-3349.1f, 199.8f, 2343.2f}, {-1698.3f, 35.7f, 101.7f}, {-1891.0f, 179.3f, -670.6f},
    {-2055.2f, 178.7f, -572.7f}, {-4183.0f, 137.8f, 577.8f}, {650.4f, 142.2f, 995.7f},   {-422.7f, 441.4f, -1862.5f}};

char const* const kBuildingSounds[22] = {
    "doorbell", "", "bi_church_bell_tapped", "doorbell", "", "bi_golflodge_tapped", "", "bi_factory_tapped",
    "bi_mansion_tapped", "", "doorbell", "", "doorbell", "", "doorbell", "", "doorbell", "", "doorbell", "",
    "doorbell", ""};

} // namespace WorldTables

namespace WorldTables {

namespace {

// Scenery grows in groves, one a model, laid on a golden-angle spiral
// round the grove's centre; the three rows the board's art is anchored on
// take their given places.
struct Grove {
    int model;
    int count;
    float x, y, z, radius;
};

Grove const kGroves[] = {
    {22, 3, -2700, -200, -2000, 500},   {23, 8, 3250, -200, -1750, 900},  {24, 9, -1200, -120, -200, 900},
    {25, 6, 2600, -200, -2200, 500},    {26, 8, 1300, -100, -600, 800},   {27, 8, -2600, -80, 300, 700},
    {28, 8, 200, -90, 300, 700},        {29, 9, -1300, -60, 1200, 800},   {30, 8, -3700, -60, -500, 700},
    {31, 8, -3800, -60, 1700, 500},     {32, 30, 3000, 100, 1300, 1100},  {33, 19, 700, -100, 700, 500},
    {34, 4, -2850, -60, 1150, 180},     {37, 1, -250, -77, 1300, 0},      {39, 1, 1800, -60, 2400, 0},
    {42, 8, -1000, -100, -2300, 1500},  {43, 16, 1400, -120, -1900, 500}, {44, 16, 600, -120, -1500, 500},
};

Placement const kAnchored[] = {
    {22, {-2686.4f, -211.0f, -1966.8f}, {-33.743f, 44.995f, -13.945f}},
    {32, {663.8f, -120.8f, 683.6f}, {-31.278f, 16.359f, -9.114f}},
    {44, {882.0f, -128.8f, -1926.5f}, {0, 10, 0}},
};
int const kAnchoredRows[] = {0, 100, 169};

} // namespace

Placement PositionedRow(int row)
{
    for (int a = 0; a < 3; ++a)
        if (kAnchoredRows[a] == row)
            return kAnchored[a];
    int first = 0;
    for (Grove const& grove : kGroves) {
        if (row < first + grove.count) {
            int const k = row - first;
            float const r = grove.radius * std::sqrt((float(k) + 0.5f) / float(grove.count));
            float const angle = float(k) * 2.3999632f;
            return {grove.model, {grove.x + r * std::cos(angle), grove.y, grove.z + r * std::sin(angle)},
                    {0, std::fmod(float(k) * 47.0f, 360.0f), 0}};
        }
        first += grove.count;
    }
    return {kGroves[0].model, {}, {}};
}

} // namespace WorldTables
