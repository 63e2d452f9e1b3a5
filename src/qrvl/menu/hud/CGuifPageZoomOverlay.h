// The zoom-in and zoom-out keys shown while the player looks round the
// board: held down, they bring the camera nearer or take it further away.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageZoomOverlay : public Norv::WeakRefCounter {
public:
    static char const className[];
    static Norv::Lunar<CGuifPageZoomOverlay>::RegType methods[];

    CGuifPageZoomOverlay();
    virtual ~CGuifPageZoomOverlay() = default;

    // Ticks the script, which zooms while a key is held.
    void Update(unsigned ms);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    void onTouchDown(int x, int y, int id);
    // Lets go of a key still held, as when the game comes back to the front.
    void ResetTouch();
    // On either key, edges included.
    bool Contains(int x, int y) const;

    int l_ZoomInPressed(lua_State* L);
    int l_ZoomOutPressed(lua_State* L);

    bool visible = false;

private:
    // Zooms the in-game mode's camera; the keys do nothing over any other mode.
    static void Zoom(float step, int direction);

    Norv::SmartPtr<TranslatableScreen> screen;
    int keyWidth = 0;
    int keyHeight = 0;
    int left = 0;
    int zoomInTop = 0;
    int zoomOutTop = 0;
};

} // namespace qrvl
