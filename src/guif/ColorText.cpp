// The coloured text item.
#include "guif/ColorText.h"

#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/text/FontSet.h"
#include "norv/graphics/text/Typesetter.h"

#include <cstdio>
#include <memory>

namespace Guif {

ColorText::ColorText(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen)
{
    ConstructCommon(element, nullptr);
    GetValue(element, "width", overrides, width, screen);
    GetValue(element, "height", overrides, height, screen);
    GetValue(element, "shadow", overrides, shadow);
    GetValue(element, "color", overrides, color);
    Norv::NarrowString id;
    GetValue(element, "text", overrides, id);
    Norv::NarrowString align;
    if (GetValue(element, "align", overrides, align)) {
        horAlign = align == "center"  ? Norv::Text::Format::AlignCenter
                   : align == "right" ? Norv::Text::Format::AlignRight
                                      : Norv::Text::Format::AlignLeft;
    }
    align.clear();
    if (GetValue(element, "valign", overrides, align)) {
        vertAlign = align == "center"   ? Norv::Text::Format::VAlignCenter
                    : align == "bottom" ? Norv::Text::Format::VAlignBottom
                                        : Norv::Text::Format::VAlignTop;
    }
    Norv::NarrowString fontName;
    if (GetValue(element, "font", overrides, fontName))
        font = Norv::g_assetDict->Get<Norv::FontEx>(fontName, false);
    SetText(id, false);
}

void ColorText::SetText(Norv::NarrowString const& value, bool raw)
{
    StoreText(value, raw);
    PrepareText();
}

void ColorText::SetColor(Norv::Color const& value)
{
    color = value;
    PrepareText();
}

void ColorText::SetWidth(int value)
{
    width = value;
    PrepareText();
}

void ColorText::SetAlign(int value)
{
    horAlign = value;
    PrepareText();
}

void ColorText::PrepareText()
{
    // Without a font there is nothing to lay out or draw.
    if (!font) {
        measuredWidth = 0;
        screenText = nullptr;
        return;
    }
    Norv::SmartPtr<Norv::Text::FontSet> fonts = new Norv::Text::FontSet();
    fonts->AddFont("default", font.Get());
    Norv::Text::Format format;
    format.fontSet = fonts;
    format.fontId = "default";
    format.color = color;
    format.horizontalAlign = horAlign;
    format.verticalAlign = vertAlign;
    format.blanksMode = Norv::Text::Format::TrimOnly;
    format.setMask = Norv::Text::Format::FontIdSet | Norv::Text::Format::ColorSet |
                     Norv::Text::Format::HorizontalAlignSet | Norv::Text::Format::BlanksModeSet |
                     Norv::Text::Format::VerticalAlignSet;
    std::unique_ptr<Norv::Text::DrawBit[]> line(Norv::Text::Typesetter().TypesetPlain(text, font.Get()));
    measuredWidth = Norv::Text::Typesetter::CalcWidthReal(line.get());
    screenText = new Norv::ScreenText(format, text, Norv::Extent(width, height));
    if (shadow)
        screenText->flags |= Norv::ScreenText::DrawShadow;
    ReportOverflow(format);
}

void ColorText::ReportOverflow(Norv::Text::Format const& format) const
{
    if (width <= 0 || height <= 0)
        return;
    // Laid out to the box's width with no height limit: what the text needs.
    Norv::Text::Format unbounded = format;
    unbounded.verticalAlign = Norv::Text::Format::VAlignTop;
    std::unique_ptr<Norv::Text::DrawBit[]> const bits(
        Norv::Text::Typesetter().TypesetRich(Norv::RichString(text, unbounded), Norv::RectT<int>(0, 0, width, 0)));
    int const needWidth = Norv::Text::Typesetter::CalcWidthReal(bits.get());
    int const needHeight = Norv::Text::Typesetter::CalcHeightReal(bits.get());
    if (needWidth > width || needHeight > height)
        std::fprintf(stderr, "ColorText: \"%s\" needs %d x %d, its box is %d x %d\n",
                     Norv::NarrowString(text).c_str(), needWidth, needHeight, width, height);
}

} // namespace Guif
