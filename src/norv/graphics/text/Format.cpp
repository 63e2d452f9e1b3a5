// Text attributes inherited along a chain of formats.
#include "norv/graphics/text/Format.h"

namespace Norv::Text {

Format::Format(Format const& other)
    : RefCounter(other),
      WeakRefCounter(other),
      setMask(other.setMask),
      fontSet(other.fontSet),
      fontId(other.fontId),
      color(other.color),
      letterSpacing(other.letterSpacing),
      lineSpacing(other.lineSpacing),
      horizontalAlign(other.horizontalAlign),
      paragraphSpacing(other.paragraphSpacing),
      blanksMode(other.blanksMode),
      rotation(other.rotation),
      verticalAlign(other.verticalAlign)
{
}

Format const* Format::Owner(Attribute attribute) const
{
    Format const* format = this;
    while (!(format->setMask & attribute) && format->parent)
        format = format->parent.Get();
    return format;
}

NarrowString const& Format::GetFontId() const { return Owner(FontIdSet)->fontId; }
Color const& Format::GetColor() const { return Owner(ColorSet)->color; }
int Format::GetLetterSpacing() const { return Owner(LetterSpacingSet)->letterSpacing; }
int Format::GetLineSpacing() const { return Owner(LineSpacingSet)->lineSpacing; }
int Format::GetHorizontalAlign() const { return Owner(HorizontalAlignSet)->horizontalAlign; }
int Format::GetParagraphSpacing() const { return Owner(ParagraphSpacingSet)->paragraphSpacing; }
int Format::GetBlanksMode() const { return Owner(BlanksModeSet)->blanksMode; }
int Format::GetRotation() const { return Owner(RotationSet)->rotation; }
int Format::GetVerticalAlign() const { return Owner(VerticalAlignSet)->verticalAlign; }

void Format::InsertBetween(Format* parentFormat, Format* childFormat)
{
    parent = parentFormat;
    child = childFormat;
    if (childFormat)
        childFormat->parent = this;
    if (parentFormat)
        parentFormat->child = this;
}

void Format::InheritFontSet()
{
    if (Format* above = parent.Get())
        fontSet = above->fontSet;
}

FontEx* Format::GetOwnFont() const
{
    return fontSet ? fontSet->GetFont(fontId) : nullptr;
}

void Format::Join(Format const* upper, Format const* lower)
{
    unsigned mask = 0;
    bool reachedUpper = false;
    for (Format const* format = lower; format && !reachedUpper; format = format->parent.Get()) {
        mask |= format->setMask;
        reachedUpper = format == upper;
    }
    // Off the chain: nothing between the two formats is known.
    if (!reachedUpper)
        mask = 0;

    if (mask & FontIdSet)
        fontId = lower->GetFontId();
    if (mask & ColorSet)
        color = lower->GetColor();
    if (mask & LetterSpacingSet)
        letterSpacing = lower->GetLetterSpacing();
    if (mask & LineSpacingSet)
        lineSpacing = lower->GetLineSpacing();
    if (mask & HorizontalAlignSet)
        horizontalAlign = lower->GetHorizontalAlign();
    if (mask & ParagraphSpacingSet)
        paragraphSpacing = lower->GetParagraphSpacing();
    if (mask & BlanksModeSet)
        blanksMode = lower->GetBlanksMode();
    if (mask & RotationSet)
        rotation = lower->GetRotation();
    if (mask & VerticalAlignSet)
        verticalAlign = lower->GetVerticalAlign();
    setMask = mask;
}

} // namespace Norv::Text
