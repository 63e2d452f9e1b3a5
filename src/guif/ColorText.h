// A text item laid out in a box: coloured, aligned horizontally and
// vertically, optionally with a shadow.
#pragma once

#include "guif/SimpleText.h"
#include "norv/graphics/text/Format.h"

namespace Guif {

class ColorText : public SimpleText {
public:
    // Width and height are numbers of the screen's script when one is given.
    ColorText(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen);

    int GetType() const override { return TypeColorText; }

    void SetText(Norv::NarrowString const& text, bool raw) override;
    void SetColor(Norv::Color const& value);
    void SetWidth(int value);
    void SetAlign(int value);
    // The layout width, not the measured one.
    int GetWidth() const { return width; }
    int GetAlign() const { return horAlign; }
    // The width of the text set on one line.
    int GetMeasuredWidth() const { return measuredWidth; }
    Norv::Color GetColor() const { return color; }

private:
    // Logs a text that does not fit its box on one line or wrapped.
    void ReportOverflow(Norv::Text::Format const& format) const;
    // Lays the text out again after any change.
    void PrepareText();

    int measuredWidth = 0;
    int width = 0;
    int height = 0;
    int horAlign = Norv::Text::Format::AlignLeft;
    int vertAlign = Norv::Text::Format::VAlignTop;
    bool shadow = false;
    Norv::Color color{0, 0, 0, 255};
};

} // namespace Guif
