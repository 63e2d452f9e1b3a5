// The simple text item.
#include "guif/SimpleText.h"

#include "guif/ItemValues.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/GraphicsAssets.h"

namespace Guif {

SimpleText::SimpleText(Norv::XmlIt const& element, OverrideMap const* overrides)
{
    ConstructCommon(element, nullptr);
    Norv::NarrowString fontName;
    if (GetValue(element, "font", overrides, fontName))
        font = Norv::g_assetDict->Get<Norv::FontEx>(fontName, false);
}

Norv::WideString SimpleText::Localised(Norv::NarrowString const& id)
{
    return Norv::g_textDict ? Norv::g_textDict->GetText(id) : Norv::WideString(id);
}

void SimpleText::StoreText(Norv::NarrowString const& value, bool raw)
{
    text = raw ? Norv::WideString(value) : Localised(value);
}

void SimpleText::SetText(Norv::NarrowString const& value, bool raw)
{
    StoreText(value, raw);
    screenText = font ? new Norv::ScreenText(font.Get(), text) : nullptr;
}

int SimpleText::GetLineHeight() const
{
    return font ? font->GetHeight() : 0;
}

int SimpleText::GetHeight() const
{
    return screenText ? screenText->GetHeight() : 0;
}

void SimpleText::Render(Norv::Surface* surface, int alpha)
{
    if (font && font->bitmap)
        font->bitmap->SetAlpha(AlphaByte(alpha));
    Norv::Text::DrawBit const* bits = screenText ? screenText->GetBits() : nullptr;
    if (bits && bits->surface)
        screenText->Draw(surface, TruncateToInt(CalculateX()), TruncateToInt(CalculateY()), bits);
}

Norv::RectT<int> SimpleText::GetBoundingBox()
{
    return screenText ? Norv::RectT<int>(0, 0, screenText->GetWidth(), screenText->GetHeight()) : Norv::RectT<int>();
}

} // namespace Guif
