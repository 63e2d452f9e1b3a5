// What the skip manager asks of the report screen drawn by the menu layer:
// the lines to show, its ticks, its drawing and its input. The defaults
// stand for a game without screens: nothing is shown.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "qrvl/original/framework/InstalledHooks.h"

#include <vector>

namespace Norv {
class Surface;
}

class SkipReportHooks : public InstalledHooks<SkipReportHooks> {
public:
    virtual ~SkipReportHooks() = default;

    // The report's text lines, in order, from the first line of its box.
    virtual void Show(std::vector<Norv::NarrowString> const&) {}
    virtual void Update(float) {}
    virtual void Draw(Norv::Surface*) {}
    virtual void OnTouchUp(int, int, int) {}
    virtual void OnTouchDown(int, int, int) {}
    virtual void OnTouchMove(int, int, int) {}
    virtual void KeyPressed(int) {}
    virtual void KeyReleased(int) {}
};
