// Text attributes that are either set on a format or inherited from the
// format above it in a chain.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/text/FontSet.h"

namespace Norv::Text {

class Format : public RefCounter, public WeakRefCounter {
public:
    // Bits of the set-mask: which attributes a format sets itself.
    enum Attribute : unsigned {
        FontIdSet = 1,
        ColorSet = 2,
        LetterSpacingSet = 4,
        LineSpacingSet = 8,
        HorizontalAlignSet = 16,
        ParagraphSpacingSet = 32,
        BlanksModeSet = 64,
        RotationSet = 128,
        VerticalAlignSet = 256,
    };
    enum HorAlign { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    enum VertAlign { VAlignTop = 0, VAlignCenter = 1, VAlignBottom = 2 };
    // How blanks are treated when text is laid out.
    enum BlanksMode { TrimAndCollapse = 0, CollapseOnly = 1, TrimOnly = 2, KeepBlanks = 3 };

    Format() = default;
    // Copies the attributes and the font set, not the chain links: the copy
    // stands alone.
    Format(Format const& other);
    Format& operator=(Format const&) = delete;

    // Each getter answers from the nearest format up the chain that sets the
    // attribute, else from the topmost format's own field.
    NarrowString const& GetFontId() const;
    Color const& GetColor() const;
    int GetLetterSpacing() const;
    int GetLineSpacing() const;
    int GetHorizontalAlign() const;
    int GetParagraphSpacing() const;
    int GetBlanksMode() const;
    int GetRotation() const;
    int GetVerticalAlign() const;

    // Links this format into a chain below the parent and above the child;
    // either may be null.
    void InsertBetween(Format* parentFormat, Format* childFormat);
    // Takes the parent's font set; keeps its own without a live parent.
    void InheritFontSet();
    // Sets every attribute that the chain from the lower format up to the
    // upper one sets, with the value the lower format answers. An upper
    // format that is not on the lower one's chain sets nothing.
    void Join(Format const* upper, Format const* lower);

    // The font the font set holds under this format's own font id (not an
    // inherited one); null without a font set.
    FontEx* GetOwnFont() const;

    WeakPtr<Format> child;
    WeakPtr<Format> parent;
    unsigned setMask = 0;
    SmartPtr<FontSet> fontSet;
    NarrowString fontId;
    Color color;
    int letterSpacing = 0;
    int lineSpacing = 0;
    int horizontalAlign = AlignLeft;
    int paragraphSpacing = 0;
    int blanksMode = TrimAndCollapse;
    int rotation = 0;
    int verticalAlign = VAlignTop;

private:
    // Where the getter walk for the attribute stops.
    Format const* Owner(Attribute attribute) const;
};

} // namespace Norv::Text
