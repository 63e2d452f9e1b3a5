// A control showing one line of localised or literal text through the
// coloured text at the root of each representation; it translates itself
// again at its next draw after a change of language.
#pragma once

#include "guif/Control.h"
#include "guif/LanguageWatch.h"

namespace Guif {

class ColorText;

class TextLine : public Control {
public:
    static char const className[];
    static Norv::Lunar<TextLine>::RegType methods[];

    // What a script makes: no representation, no text, no language callback.
    TextLine() = default;
    TextLine(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen);

    void Render(Norv::Surface* surface) override;
    void Update(Norv::NorvFloat const&) override {}
    // Every representation shows the description's text id again.
    void UpdateTexts() override;
    int GetType() const override { return TypeTextLine; }

    // Sets the text of every representation: a text id, or raw text.
    virtual void SetText(Norv::NarrowString const& value, bool raw);
    // Draws the current coloured text shifted right by the offset.
    virtual void Render(Norv::Surface* surface, int xOffset);

    int GetTextWidth() const;
    int GetTextHeight() const;
    // The coloured text of the current representation, or null.
    ColorText* GetColorText() const;

    // Script methods.
    int l_SetText(lua_State* L);
    int l_SetTextRaw(lua_State* L);
    int l_SetColor(lua_State* L);
    int l_GetTextWidth(lua_State* L);

private:
    static void OnLanguageChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey* key);
    // Applies the call to the coloured text at the root of each representation.
    template <class Action>
    void ForEachColorText(Action action) const;

    Norv::NarrowString text;
    Norv::NarrowString key;
    bool languageChanged = false;
    LanguageWatch languageWatch;
};

} // namespace Guif

// The text line classes' own script methods.
#define GUIF_TEXT_LINE_SCRIPT_METHODS(Class)                                                          \
    {"SetText", &Class::l_SetText}, {"SetTextRaw", &Class::l_SetTextRaw}, {"SetColor", &Class::l_SetColor}, \
        {"GetTextWidth", &Class::l_GetTextWidth}
