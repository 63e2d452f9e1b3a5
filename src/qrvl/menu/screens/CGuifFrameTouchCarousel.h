// A row of numbered frame controls scrolled sideways one item at a time,
// optionally wrapping round, with left and right arrows shown only where
// scrolling is possible (always both, when it wraps round).
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/Types.h"

#include <vector>

namespace Guif {
class Control;
class Screen;
} // namespace Guif

namespace qrvl {

class CGuifFrameTouchCarousel {
public:
    // Seconds to scroll by one item width.
    static constexpr float g_scrollTime = 0.4f;
    // Wrapping needs an item on each side of the one in focus.
    static constexpr int kMinWrappingItems = 3;

    virtual ~CGuifFrameTouchCarousel() = default;

    // Takes the controls prefix1 .. prefix<layoutCount>: the first
    // itemCount are the items, the rest are hidden.
    void Init(Guif::Screen& screen, char const* prefix, int layoutCount, int itemCount, bool wrap);
    void SnapToFocus(int item);
    void ScrollToFocus(int item);
    void ScrollToNext();
    void ScrollToPrev();
    int GetCurrentFocus() const;
    bool IsMoving() const { return target != offset; }
    void Update(Norv::NorvFloat const& seconds);

    int GetOffset() const { return offset; }
    int GetItemWidth() const { return width; }

private:
    void UpdateOffset(int newOffset);
    void UpdateArrows();
    void KeepRowWithoutGap();
    void MoveItem(Guif::Control* item, int dx);

    bool wrap = false;
    bool firstMovedToEnd = false;
    bool lastMovedToFront = false;
    int offset = 0;
    int target = 0;
    int maxOffset = 0;
    int width = 0;
    std::vector<Guif::Control*> items;
    Guif::Control* leftArrow = nullptr;
    Guif::Control* rightArrow = nullptr;
};

} // namespace qrvl
