// Keeping a cut's rectangle on its sheet.
#include "qrvl/original/framework/FGCutImage.h"

#include <algorithm>
#include <cstdint>

void FGCutImage::init(int sheetWidth, int sheetHeight, int cutX, int cutY, int cutWidth, int cutHeight,
                      int spotX, int spotY)
{
    x = std::max(cutX, 0);
    y = std::max(cutY, 0);
    // Wide sums: a lying file may hold any ints.
    int64_t const right = std::min<int64_t>(int64_t{cutX} + cutWidth, sheetWidth);
    int64_t const bottom = std::min<int64_t>(int64_t{cutY} + cutHeight, sheetHeight);
    width = static_cast<int>(std::max<int64_t>(right - x, 0));
    height = static_cast<int>(std::max<int64_t>(bottom - y, 0));
    hotSpotX = spotX;
    hotSpotY = spotY;
    hotSpotEnabled = true;
}
