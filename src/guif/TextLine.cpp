// The text line.
#include "guif/TextLine.h"

#include "guif/ColorText.h"
#include "guif/ItemValues.h"

namespace Guif {

TextLine::TextLine(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen) : Control(element, cache, screen)
{
    Norv::XmlIt(element, "text").GetContent(text);
    TextLine::SetText(text, false);
    languageWatch.Start(OnLanguageChange, this);
}

template <class Action>
void TextLine::ForEachColorText(Action action) const
{
    for (auto const& representation : GetRepresentations()) {
        // Only a coloured text at the root takes part.
        auto* colorText = representation.second ? dynamic_cast<ColorText*>(representation.second->GetItem()) : nullptr;
        if (colorText)
            action(*colorText);
    }
}

ColorText* TextLine::GetColorText() const
{
    Node<Graphic>* current = GetCurrentRepresentation();
    return current ? dynamic_cast<ColorText*>(current->GetItem()) : nullptr;
}

void TextLine::SetText(Norv::NarrowString const& value, bool raw)
{
    ForEachColorText([&](ColorText& colorText) { colorText.SetText(value, raw); });
    key = raw ? Norv::NarrowString() : value;
}

void TextLine::UpdateTexts()
{
    ForEachColorText([&](ColorText& colorText) { colorText.SetText(text, false); });
}

void TextLine::OnLanguageChange(void* user, Norv::NarrowString const&, Norv::RegistryKey*)
{
    auto* line = static_cast<TextLine*>(user);
    if (!line->key.empty())
        line->languageChanged = true;
}

void TextLine::Render(Norv::Surface* surface)
{
    Render(surface, 0);
}

void TextLine::Render(Norv::Surface* surface, int xOffset)
{
    if (languageChanged) {
        languageChanged = false;
        SetText(key, false);
    }
    ColorText* colorText = GetColorText();
    if (!colorText)
        return;
    // The item is placed for the draw and put back exactly.
    float const ownX = colorText->GetX();
    float const ownY = colorText->GetY();
    colorText->SetX(CalculateX() + colorText->CalculateX() + static_cast<float>(xOffset));
    colorText->SetY(CalculateY() + colorText->CalculateY());
    colorText->Render(surface, HasAlpha() ? GetAlpha() : 255);
    colorText->SetX(ownX);
    colorText->SetY(ownY);
}

int TextLine::GetTextWidth() const
{
    ColorText* colorText = GetColorText();
    return colorText ? colorText->GetMeasuredWidth() : 0;
}

int TextLine::GetTextHeight() const
{
    ColorText* colorText = GetColorText();
    return colorText ? colorText->GetHeight() : 0;
}

} // namespace Guif
