// The map of the board over the game: a top view with one blob per car. A
// tap on the picture picks the ground point the free-look camera should
// look at; the in-game mode polls for it, moves the camera and closes the map.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/port/MapProjection.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/port/RegistryVar.h"

#include "contrib/pvr/PVRTVec2.h"
#include "contrib/pvr/PVRTVec3.h"

class Player;

namespace Guif {
class Control;
}

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifMap : public Norv::WeakRefCounter {
public:
    // One blob per car colour, by colour index.
    static constexpr int kBlobs = 6;
    // What the back key sends to the game.
    static constexpr int kBackButton = -1;

    static char const className[];
    static Norv::Lunar<CGuifMap>::RegType methods[];

    CGuifMap();
    virtual ~CGuifMap();

    // A world point on the board plane to a point of the base layout.
    PVRTVec2 WorldToMap(PVRTVec3 const& p) const;
    // A point of the picture, as fractions of its width and height, to the
    // world (x, z).
    PVRTVec2 MapToWorldXZ(PVRTVec2 const& m) const;

    // The blob of the player's colour over the player's car, when the car
    // stands on the board.
    void PositionPlayerBlob(Player* player);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void keyPressed(int key);

    bool IsMapPressed() const { return pressed; }
    // Cleared when the map is opened again.
    void ClearPressed() { pressed = false; }
    PVRTVec2 GetCameraTranslation() const { return cameraTranslation; }

    int l_BackKeyPressed(lua_State* L);
    int l_MapPressed(lua_State* L);

    bool visible = false;

private:
    MapProjection Projection() const;
    // The page, built on first use; the blobs and the picture's place are
    // known from then on.
    TranslatableScreen& Page();

    Guif::Control* blobs[kBlobs] = {};
    Norv::SmartPtr<RegistryVar<PVRTVec3>> worldToMapScale;
    Norv::SmartPtr<RegistryVar<PVRTVec3>> mapToWorldScale;
    bool pressed = false;
    PVRTVec2 cameraTranslation{0.0f, 0.0f};
    Norv::SmartPtr<TranslatableScreen> screen;
    int mapX = 0;
    int mapY = 0;
    int mapWidth = 0;
    int mapHeight = 0;
};

} // namespace qrvl
