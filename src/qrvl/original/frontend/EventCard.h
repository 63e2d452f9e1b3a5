// The card of a family event on the road (a wedding or a birth) that the
// board shows while it waits on the event: the event's name, picture and
// words over the darkened board.
#pragma once

#include "qrvl/menu/screens/TranslatableScreen.h"

#include "norv/base/core/SmartPtr.h"

namespace Norv {
class Surface;
}

class EventCard {
public:
    // Text ids and the picture's asset name.
    void Show(char const* headerId, char const* textId, char const* picture);
    void Hide();
    bool IsShown() const { return shown; }
    // Advances its slide by the last frame's time and draws it when shown.
    void Draw(Norv::Surface* surface);

    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

private:
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
    bool shown = false;
};
