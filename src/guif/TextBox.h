// A control showing a column of localised text blocks, each typeset to the
// box's width, clipped to the box and scrolled up by scripts. It typesets
// its texts again at the next draw after a change of language.
#pragma once

#include "guif/Control.h"
#include "guif/LanguageWatch.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/ScreenText.h"
#include "norv/graphics/text/Format.h"

#include <vector>

namespace Guif {

class TextBox : public Control {
public:
    static char const className[];
    static Norv::Lunar<TextBox>::RegType methods[];

    // A text id standing for the application's version text.
    static constexpr char const* kVersionMarker = "@@MAGIC_VERSION@@";
    static constexpr char const* kVersionKey = "/application/version";

    struct TextBlock {
        Norv::NarrowString text;
        Norv::SmartPtr<Norv::ScreenText> screenText;
    };

    // What a script makes: no font, no blocks, no language callback.
    TextBox();
    TextBox(Norv::XmlIt const& element, Screen* screen);

    void Render(Norv::Surface* surface) override;
    void Update(Norv::NorvFloat const&) override {}
    // Typesets every block and sums their heights.
    void UpdateTexts() override;
    int GetType() const override { return TypeTextBox; }

    // Sets block `index` (from 1) to a text id; false, changing nothing,
    // for an index outside the blocks.
    bool SetText(unsigned int index, Norv::NarrowString const& key);
    // Resizes the column; new blocks are empty until set.
    void SetTextLines(unsigned int count);
    void SetWidth(unsigned int value);
    void SetHeight(unsigned int value);
    void SetSize(unsigned int w, unsigned int h);

    int GetBoxWidth() const { return width; }
    int GetBoxHeight() const { return height; }
    int GetTextHeight() const { return textHeight; }
    int GetScrollPosition() const { return scrollPosition; }
    std::vector<TextBlock> const& GetBlocks() const { return blocks; }

    // Script methods of the box's own.
    int l_GetHeight(lua_State* L);
    int l_GetTextHeight(lua_State* L);
    int l_SetPosition(lua_State* L);
    int l_GetTextPosition(lua_State* L);
    int l_SetText(lua_State* L);
    int l_SetWidth(lua_State* L);
    int l_SetHeight(lua_State* L);
    int l_SetSize(lua_State* L);

private:
    static void OnLanguageChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey* key);
    // The text a key shows: the version for the marker, " " for nothing.
    static Norv::NarrowString BlockText(Norv::NarrowString const& key);
    void Typeset(TextBlock& block) const;

    std::vector<TextBlock> blocks;
    std::vector<Norv::NarrowString> keys;
    bool languageChanged = false;
    int width = 0;
    int height = 0;
    int textHeight = 0;
    int scrollPosition = 0;
    Norv::SmartPtr<Norv::FontEx> font;
    Norv::SmartPtr<Norv::Text::Format> format;
    bool shadow = false;
    LanguageWatch languageWatch;
};

} // namespace Guif
