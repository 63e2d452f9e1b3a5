// The carousel's motion and its wrap-round.
#include "qrvl/menu/screens/CGuifFrameTouchCarousel.h"

#include "guif/Control.h"
#include "guif/Screen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qrvl {

namespace {

void Show(Guif::Control* control, bool on)
{
    if (!control)
        return;
    control->SetVisibilityExists(true);
    control->SetVisibleFlag(on);
}

} // namespace

void CGuifFrameTouchCarousel::Init(Guif::Screen& screen, char const* prefix, int layoutCount, int itemCount,
                                   bool wrapRequested)
{
    items.clear();
    for (int i = 1; i <= layoutCount; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%s%d", prefix, i);
        Guif::Control* control = screen.FindControl(name);
        if (i <= itemCount) {
            if (control)
                items.push_back(control);
            else
                std::fprintf(stderr, "Carousel: no control %s\n", name);
        } else {
            Show(control, false);
        }
    }
    leftArrow = screen.FindControl("LeftArrow");
    rightArrow = screen.FindControl("RightArrow");
    int const count = static_cast<int>(items.size());
    wrap = wrapRequested && count >= kMinWrappingItems;
    firstMovedToEnd = false;
    lastMovedToFront = false;
    width = count >= 2 ? static_cast<int>(items[1]->GetX() - items[0]->GetX()) : 0;
    maxOffset = std::max(0, count - 1) * width;
    offset = 0;
    target = 0;
    UpdateArrows();
}

void CGuifFrameTouchCarousel::SnapToFocus(int item)
{
    target = item * width;
    UpdateOffset(target);
}

void CGuifFrameTouchCarousel::ScrollToFocus(int item)
{
    target = item * width;
}

int CGuifFrameTouchCarousel::GetCurrentFocus() const
{
    return width == 0 ? 0 : offset / width;
}

void CGuifFrameTouchCarousel::ScrollToNext()
{
    if (IsMoving() || width == 0)
        return;
    int const focus = GetCurrentFocus();
    if (!wrap && focus >= static_cast<int>(items.size()) - 1)
        return;
    target = (focus + 1) * width;
}

void CGuifFrameTouchCarousel::ScrollToPrev()
{
    if (IsMoving() || width == 0)
        return;
    int const focus = GetCurrentFocus();
    if (!wrap && focus <= 0)
        return;
    target = (focus - 1) * width;
}

void CGuifFrameTouchCarousel::Update(Norv::NorvFloat const& seconds)
{
    if (!IsMoving())
        return;
    // At least a pixel a frame: a very short frame must not leave it moving forever.
    int const step = std::max(1, static_cast<int>(std::lround(width * seconds / g_scrollTime)));
    int const next = offset < target ? std::min(target, offset + step) : std::max(target, offset - step);
    UpdateOffset(next);
    if (!wrap)
        return;
    int const span = width * static_cast<int>(items.size());
    if (offset > maxOffset + width / 2) {
        target -= span;
        UpdateOffset(offset - span);
    } else if (offset < -width / 2) {
        target += span;
        UpdateOffset(offset + span);
    }
}

void CGuifFrameTouchCarousel::UpdateOffset(int newOffset)
{
    for (Guif::Control* item : items)
        MoveItem(item, offset - newOffset);
    offset = newOffset;
    if (wrap)
        KeepRowWithoutGap();
    UpdateArrows();
}

// Wrapping round, both ways always lead to another item.
void CGuifFrameTouchCarousel::UpdateArrows()
{
    Show(leftArrow, wrap || offset > 0);
    Show(rightArrow, wrap || offset < maxOffset);
}

// Near either end the item from the other end stands in beside it.
void CGuifFrameTouchCarousel::KeepRowWithoutGap()
{
    int const span = width * static_cast<int>(items.size());
    bool const lastInFront = offset < width / 2;
    if (lastInFront != lastMovedToFront) {
        MoveItem(items.back(), lastInFront ? -span : span);
        lastMovedToFront = lastInFront;
    }
    bool const firstAtEnd = offset > maxOffset - width / 2;
    if (firstAtEnd != firstMovedToEnd) {
        MoveItem(items.front(), firstAtEnd ? span : -span);
        firstMovedToEnd = firstAtEnd;
    }
}

void CGuifFrameTouchCarousel::MoveItem(Guif::Control* item, int dx)
{
    item->SetX(item->GetX() + static_cast<float>(dx));
}

} // namespace qrvl
