// The text box.
#include "guif/TextBox.h"

#include "guif/ItemValues.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/text/FontSet.h"

#include <algorithm>
#include <cstdio>

namespace Guif {

TextBox::TextBox() : format(new Norv::Text::Format()) {}

TextBox::TextBox(Norv::XmlIt const& element, Screen* screen) : format(new Norv::Text::Format())
{
    ConstructCommon(element, screen);
    ReadNumber(Norv::XmlIt(element, "width"), screen, width);
    ReadNumber(Norv::XmlIt(element, "height"), screen, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    Norv::NarrowString fontName;
    if (Norv::XmlIt(element, "font").GetContent(fontName))
        font = Norv::g_assetDict->Get<Norv::FontEx>(fontName, false);
    if (font) {
        format->fontSet = new Norv::Text::FontSet();
        format->fontSet->AddFont("default", font.Get());
    }
    format->fontId = "default";
    format->blanksMode = Norv::Text::Format::KeepBlanks;
    format->setMask = Norv::Text::Format::FontIdSet | Norv::Text::Format::BlanksModeSet;
    if (ReadColor(Norv::XmlIt(element, "color"), format->color))
        format->setMask |= Norv::Text::Format::ColorSet;
    Norv::NarrowString align;
    if (Norv::XmlIt(element, "align").GetContent(align)) {
        bool known = true;
        if (align == "left")
            format->horizontalAlign = Norv::Text::Format::AlignLeft;
        else if (align == "right")
            format->horizontalAlign = Norv::Text::Format::AlignRight;
        else if (align == "center")
            format->horizontalAlign = Norv::Text::Format::AlignCenter;
        else
            known = false;
        if (known)
            format->setMask |= Norv::Text::Format::HorizontalAlignSet;
    }
    shadow = static_cast<bool>(Norv::XmlIt(element, "shadow"));
    for (Norv::XmlIt text(Norv::XmlIt(element, "text-blocks"), "text"); text; ++text) {
        Norv::NarrowString key;
        text.GetContent(key);
        keys.push_back(key);
        blocks.push_back(TextBlock{BlockText(key), nullptr});
    }
    UpdateTexts();
    languageWatch.Start(OnLanguageChange, this);
}

Norv::NarrowString TextBox::BlockText(Norv::NarrowString const& key)
{
    if (key.empty())
        return " ";
    if (key != kVersionMarker)
        return key;
    // The marker itself stands when the registry has no version.
    Norv::NarrowString version = key;
    if (Norv::g_registry)
        Norv::g_registry->Get(kVersionKey, version);
    return version;
}

void TextBox::Typeset(TextBlock& block) const
{
    // Without a font there is nothing to typeset with.
    if (!font) {
        block.screenText = nullptr;
        return;
    }
    Norv::WideString const shown =
        Norv::g_textDict ? Norv::g_textDict->GetText(block.text) : Norv::WideString(block.text);
    block.screenText = new Norv::ScreenText(*format, shown, Norv::Extent(width, 0));
    if (shadow)
        block.screenText->flags |= Norv::ScreenText::DrawShadow;
}

void TextBox::UpdateTexts()
{
    textHeight = 0;
    for (TextBlock& block : blocks) {
        Typeset(block);
        textHeight += block.screenText ? block.screenText->GetHeight() : 0;
    }
}

bool TextBox::SetText(unsigned int index, Norv::NarrowString const& key)
{
    if (index < 1 || index > blocks.size()) {
        std::fprintf(stderr, "Guif: the text box has no block %u\n", index);
        return false;
    }
    keys[index - 1] = key;
    blocks[index - 1].text = key;
    Typeset(blocks[index - 1]);
    return true;
}

void TextBox::SetTextLines(unsigned int count)
{
    keys.resize(count);
    blocks.resize(count);
}

void TextBox::SetWidth(unsigned int value)
{
    SetSize(value, static_cast<unsigned int>(height));
}

void TextBox::SetHeight(unsigned int value)
{
    SetSize(static_cast<unsigned int>(width), value);
}

void TextBox::SetSize(unsigned int w, unsigned int h)
{
    width = static_cast<int>(std::min(w, 0x7fffffffu));
    height = static_cast<int>(std::min(h, 0x7fffffffu));
    UpdateTexts();
}

void TextBox::OnLanguageChange(void* user, Norv::NarrowString const&, Norv::RegistryKey*)
{
    static_cast<TextBox*>(user)->languageChanged = true;
}

void TextBox::Render(Norv::Surface* surface)
{
    if (languageChanged) {
        languageChanged = false;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            if (!keys[i].empty()) {
                blocks[i].text = BlockText(keys[i]);
                Typeset(blocks[i]);
            }
        }
    }
    int alpha = 255;
    if (HasAlpha()) {
        alpha = GetAlpha();
        if (alpha == 0)
            return;
    }
    if (font && font->bitmap)
        font->bitmap->SetAlpha(AlphaByte(alpha));
    int const x = TruncateToInt(CalculateX());
    int const y = TruncateToInt(CalculateY());

    // The box within the old clip, kept inside the surface; in 64 bits so
    // that no edge overflows.
    Norv::RectT<int> const old = surface->GetClipRect();
    long long const left = std::max(x, old.x);
    long long const top = std::max(y, old.y);
    long long const clipX = std::max(left, 0LL);
    long long const clipY = std::max(top, 0LL);
    long long right = std::min(static_cast<long long>(x) + width, static_cast<long long>(old.x) + old.width);
    right = std::min(std::max(right, left), static_cast<long long>(surface->GetWidth()));
    long long bottom = std::min(static_cast<long long>(y) + height, static_cast<long long>(old.y) + old.height);
    bottom = std::min(std::max(bottom, top), static_cast<long long>(surface->GetHeight()));
    surface->SetClipRect(Norv::RectT<int>(static_cast<int>(clipX), static_cast<int>(clipY),
                                          static_cast<int>(std::max(right - clipX, 0LL)),
                                          static_cast<int>(std::max(bottom - clipY, 0LL))));

    long long blockY = static_cast<long long>(y) - scrollPosition;
    for (TextBlock const& block : blocks) {
        int const blockHeight = block.screenText ? block.screenText->GetHeight() : 0;
        Norv::Text::DrawBit const* bits = block.screenText ? block.screenText->GetBits() : nullptr;
        if (blockY + blockHeight > y && blockY < static_cast<long long>(y) + height && bits && bits->surface)
            block.screenText->Draw(surface, x, static_cast<int>(blockY), bits);
        blockY += blockHeight;
    }

    int const restoredX = std::max(old.x, 0);
    int const restoredY = std::max(old.y, 0);
    surface->SetClipRect(Norv::RectT<int>(
        restoredX, restoredY, std::max(std::min(old.x + old.width, surface->GetWidth()) - restoredX, 0),
        std::max(std::min(old.y + old.height, surface->GetHeight()) - restoredY, 0)));
}

} // namespace Guif
