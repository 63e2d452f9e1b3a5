// The board scene's fixed tables: the scenery models and where the
// touchable buildings, animated touchables and money bags stand.
#pragma once

#include "contrib/pvr/PVRTVec3.h"

namespace WorldTables {

struct ModelRow {
    char const* file;
    char const* folder;
};

struct Placement {
    int model; // index into kPlaceableModels
    PVRTVec3 position;
    PVRTVec3 rotation; // degrees about X, then Y, then Z
};

struct TouchableRow {
    char const* file;
    char const* sound;
};

struct AnimatedTouchableRow {
    char const* main;
    char const* animation;
    bool hasMain;
    PVRTVec3 mainPosition;
    PVRTVec3 mainRotation;
    bool animationAtMain;
    char const* sound;
};

constexpr int kEnvironmentModels = 7;
constexpr int kBoardLabelsRow = 6;
constexpr int kCurrencyModels = 3;
constexpr int kTouchableModels = 2;
constexpr int kAnimatedTouchables = 5;
constexpr int kPlaceableModelCount = 45;
constexpr int kPositionedRows = 170;
constexpr int kBuildingRows = 24;
constexpr int kMansion = 8;
constexpr int kChurch = 2;
constexpr int kStopSign = 42;
constexpr int kChimneys = 12;

extern char const* const kEnvironment[kEnvironmentModels];
extern char const* const kCurrency[kCurrencyModels];
extern TouchableRow const kTouchables[kTouchableModels];
extern AnimatedTouchableRow const kAnimated[kAnimatedTouchables];
extern ModelRow const kPlaceableModels[kPlaceableModelCount];
extern Placement const kBuildings[kBuildingRows];
extern Placement const kMoneyBags[2];
extern PVRTVec3 const kChimneySmoke[kChimneys];
// Each building model's tap sound entry, "" for none.
extern char const* const kBuildingSounds[22];

// Positioned scenery row i (0 to kPositionedRows - 1): its model and
// placement.
Placement PositionedRow(int row);

} // namespace WorldTables
