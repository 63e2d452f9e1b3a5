// A graphic item that draws one text in one font: a text id looked up in
// the text dictionary, or literal text.
#pragma once

#include "guif/Graphic.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/ScreenText.h"

namespace Guif {

class SimpleText : public Graphic {
public:
    SimpleText(Norv::XmlIt const& element, OverrideMap const* overrides);

    void Render(Norv::Surface* surface, int alpha) override;
    void Update(Norv::NorvFloat const&) override {}
    Norv::RectT<int> GetBoundingBox() override;
    int GetType() const override { return TypeSimpleText; }

    // Raw text is shown as it is; otherwise it is a text id.
    virtual void SetText(Norv::NarrowString const& text, bool raw);
    int GetLineHeight() const;
    int GetHeight() const;

    Norv::WideString const& GetText() const { return text; }
    Norv::ScreenText* GetScreenText() const { return screenText.Get(); }

protected:
    // For the coloured text, which reads its own keys.
    SimpleText() = default;
    // The text of an id in the current language; the id itself when the
    // dictionary lacks it.
    static Norv::WideString Localised(Norv::NarrowString const& id);
    void StoreText(Norv::NarrowString const& value, bool raw);

    Norv::SmartPtr<Norv::FontEx> font;
    Norv::SmartPtr<Norv::ScreenText> screenText;
    Norv::WideString text;
};

} // namespace Guif
