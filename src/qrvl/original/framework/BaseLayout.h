// Where the base layout area of the menus and HUD sits in the window.
#pragma once

#include "norv/graphics/RectT.h"

#include <algorithm>
#include <climits>

struct BaseLayout {
    // A base area this large covers any window: the layout of a game
    // without a layout manager.
    static constexpr int kWholeWindow = INT_MAX / 2;

    int offsetX = 0;
    int offsetY = 0;
    int width = kWholeWindow;
    int height = kWholeWindow;

    // The part of a surface of this size that the base area covers.
    Norv::RectT<int> Viewport(int surfaceWidth, int surfaceHeight) const
    {
        int const x = std::max(offsetX, 0);
        int const y = std::max(offsetY, 0);
        int const right = std::min(offsetX + width, surfaceWidth);
        int const bottom = std::min(offsetY + height, surfaceHeight);
        return Norv::RectT<int>(x, y, std::max(right - x, 0), std::max(bottom - y, 0));
    }
};
