// A text line whose text, when wider than its box, scrolls through the box:
// it rests at its start, moves left until its end shows, rests again and
// starts over.
#pragma once

#include "guif/TextLine.h"

namespace Guif {

// Scroll speed in pixels per second.
constexpr float PIXELS_PER_SECOND = 50.0f;
// Rest at each end of the scroll, in seconds.
constexpr float ENDLINE_DELAY = 2.0f;

class ScrollableTextLine : public TextLine {
public:
    static char const className[];
    static Norv::Lunar<ScrollableTextLine>::RegType methods[];

    // What a script makes: a text line that does not scroll.
    ScrollableTextLine() = default;
    ScrollableTextLine(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen);

    using TextLine::Render;
    void Render(Norv::Surface* surface) override;
    void Update(Norv::NorvFloat const& seconds) override;
    int GetType() const override { return TypeScrollableTextLine; }
    void SetText(Norv::NarrowString const& value, bool raw) override;

    // Decides afresh whether the text scrolls; a scroll starts over.
    void UpdateTextAttributes();
    // How far the text is moved left now, in pixels.
    int ScrollOffset() const;
    bool IsScrolling() const { return scrolling; }
    float GetPeriod() const { return period; }

private:
    // One unbroken line, whatever its length.
    static constexpr int kUnbrokenWidth = 1000000000;

    int align = 0;
    int boxWidth = 0;
    bool scrolling = false;
    float time = 0;
    float period = 0;
};

} // namespace Guif
