// The flying items' arcs.
#include "qrvl/menu/hud/TransferFlight.h"

#include <cmath>

namespace qrvl {

void TransferFlight::Place(Point player, Point other, bool toPlayer, bool cash, int timeLeftMs,
                           Item (&items)[kMoneyItems])
{
    Point const start = toPlayer ? player : other;
    Point const end = toPlayer ? other : player;
    Point const delta{end.x - start.x, end.y - start.y};
    int const clock = timeLeftMs * kClockStart / kFlightMs;
    for (int k = 0; k < kMoneyItems; ++k) {
        int const t = clock - kItemSpacing * k;
        items[k].shown = timeLeftMs > 0 && (cash || k == 0) && t >= 0 && t <= kItemTravel;
        if (!items[k].shown) {
            items[k].at = {0, 0};
            continue;
        }
        float const along = static_cast<float>(t) / kItemTravel;
        float const lift = std::trunc(std::sin(3.14f * along) * kArcHeight);
        items[k].at = {start.x + delta.x * along, start.y + delta.y * along - lift};
    }
}

} // namespace qrvl
