// Every menu label fits its control in every language at both asset sizes:
// the label's width as the typesetter lays it out (the sum of its glyph
// advances in the label's font) against the room its button or title
// board leaves inside the rounded ends, or its box under a HUD button. And
// every space's text, which the HUD bar shows when a car stops there, fits
// two lines of its message box at both sizes.
#include "BuiltResources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

char const* const kLanguageFiles[] = {
    "texts/englishUK.xml", "texts/english.xml", "texts/french.xml",
    "texts/italian.xml",   "texts/german.xml",  "texts/spanish.xml",
};

struct AssetSize {
    char const* folder;
    bool large;
};
AssetSize const kSizes[] = {{"normal", false}, {"large", true}};

struct LabelKind {
    char const* representation;
    char const* font;
    int room; // at normal size: the label's width, less the rounded ends of a button or board
    double largeScale; // how much more room the large size gives
    int RoomAt(AssetSize const& size) const { return size.large ? static_cast<int>(room * largeScale) : room; }
};
// The menus' art is 1.4 times larger at the large size (their S); the HUD
// bar's texts in the small font get room as the font grows, from 16 px to
// 24 (its F).
constexpr double kLargeArt = 1.4;
constexpr double kLargeSmallFont = 24.0 / 16.0;
// A button is 320 wide with ends of radius 25; a title board's label 400; a
// label under a HUD button 72.
LabelKind const kButton = {"buttonLabel", "arial_main_menu", 320 - 2 * 20, kLargeArt};
LabelKind const kTitle = {"titleLabel", "arial_title", 400 - 2 * 10, kLargeArt};
LabelKind const kHudButton = {"hudButtonLabel", "arial_small", 72, kLargeSmallFont};

// Labels that code and scripts put on buttons, title boards and the HUD bar.
std::vector<std::pair<std::string, LabelKind>> const kLabelsSetByCode = {
    {"S_CONTINUEPARTY", kButton},  {"S_ENGLISH", kButton}, {"S_ENGLISH_US", kButton},
    {"S_FRENCH", kButton},         {"S_GERMAN", kButton},  {"S_ITALIAN", kButton},
    {"S_SPANISH", kButton},        {"S_HELP1", kTitle},    {"S_HELP2", kTitle},
    {"S_HELP3", kTitle},           {"S_HELP4", kTitle},    {"S_HELP5", kTitle},
    {"S_HELP6", kTitle},           {"S_ABOUT", kTitle},    {"S_NO_BROWSER_TITLE", kTitle},
    {"S_I3D_EXPLORE", kHudButton}, {"S_MAP", kHudButton},
};
char const* const kVolumeLabels[] = {"S_MUSIC_VOLUME", "S_SFX_VOLUME"};
char const* const kVolumeLevels[] = {"S_VOLUME_OFF", "S_VOLUME_LOW", "S_VOLUME_MEDIUM", "S_VOLUME_HIGH",
                                     "S_VOLUME_FULL"};

std::string ReadFile(std::filesystem::path const& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// A font's glyph widths by character code, from its built definition.
std::map<wchar_t, int> GlyphWidths(std::string const& size, std::string const& font)
{
    std::map<wchar_t, int> widths;
    std::string const definition = ReadFile(std::string(QUORVEL_ASSETS_DIR) + "/" + size + "/fonts/" + font + ".xml");
    std::regex const glyph(R"re(<char code="(\d+)"[^>]* width="(\d+)")re");
    for (std::sregex_iterator it(definition.begin(), definition.end(), glyph), end; it != end; ++it)
        widths[static_cast<wchar_t>(std::stoi((*it)[1]))] = std::stoi((*it)[2]);
    return widths;
}

// The labels the menu descriptions name, with the kind of their control.
std::vector<std::pair<std::string, LabelKind>> LabelsOfDescriptions()
{
    std::vector<std::pair<std::string, LabelKind>> labels;
    std::regex const label(R"(<text>(S_\w+)</text>\s*<representation file='menu/(buttonLabel|titleLabel)\.xml')");
    for (auto const& entry : std::filesystem::directory_iterator(QUORVEL_SOURCE_ROOT "/data/menu/res/menu")) {
        if (entry.path().extension() != ".xml")
            continue;
        std::string const description = ReadFile(entry.path());
        for (std::sregex_iterator it(description.begin(), description.end(), label), end; it != end; ++it)
            labels.emplace_back((*it)[1], (*it)[2] == "buttonLabel" ? kButton : kTitle);
    }
    return labels;
}

class MenuLabelsTest : public BuiltResources {};

TEST_F(MenuLabelsTest, EveryLabelFitsItsControlInEveryLanguageAndSize)
{
    std::vector<std::pair<std::string, LabelKind>> labels = LabelsOfDescriptions();
    ASSERT_GT(labels.size(), 20u) << "the descriptions' labels were not found";
    labels.insert(labels.end(), kLabelsSetByCode.begin(), kLabelsSetByCode.end());

    for (AssetSize const& size : kSizes) {
        std::map<std::string, std::map<wchar_t, int>> fonts;
        for (LabelKind const& kind : {kButton, kTitle, kHudButton})
            fonts[kind.font] = GlyphWidths(size.folder, kind.font);
        ASSERT_FALSE(fonts[kButton.font].empty()) << size.folder;

        auto const widthOf = [&](std::wstring const& text, LabelKind const& kind) {
            int width = 0;
            for (wchar_t const code : text)
                width += fonts[kind.font][code];
            return width;
        };
        auto const check = [&](char const* file, std::string const& what, std::wstring const& text,
                               LabelKind const& kind) {
            int const room = kind.RoomAt(size);
            EXPECT_LE(widthOf(text, kind), room)
                << file << " " << what << " at " << size.folder << " size: \"" << Norv::NarrowString(text) << "\"";
        };

        for (char const* file : kLanguageFiles) {
            ASSERT_TRUE(dict.LoadStrings(file)) << file;
            for (auto const& [id, kind] : labels)
                check(file, id, dict.GetText(id), kind);
            // The settings' volume buttons: "Music: \0" filled with each level.
            for (char const* label : kVolumeLabels) {
                for (char const* level : kVolumeLevels) {
                    std::wstring text = dict.GetText(label);
                    text.replace(text.find(L"\\0"), 2, dict.GetText(level));
                    check(file, std::string(label) + " " + level, text, kButton);
                }
            }
        }
    }
}

// The HUD bar's message box: two lines of the small sans serif, 260 wide at
// the normal size the game plays at 1024x768.
LabelKind const kHudMessage = {"hudMessage", "arial_small", 260, kLargeSmallFont};
constexpr int kMessageLines = 2;

// The lines a text takes, broken between words as the typesetter breaks them
// (a no-break space keeps French punctuation on its word).
int LinesOf(std::wstring const& text, std::map<wchar_t, int>& widths, int room)
{
    int lines = 1;
    int line = 0;
    std::wistringstream words(text);
    for (std::wstring word; std::getline(words, word, L' ');) {
        int width = 0;
        for (wchar_t const code : word)
            width += widths[code];
        if (line == 0)
            line = width;
        else if (line + widths[L' '] + width <= room)
            line += widths[L' '] + width;
        else {
            ++lines;
            line = width;
        }
    }
    return lines;
}

TEST_F(MenuLabelsTest, EverySpacesTextFitsTheHudMessageBoxInEveryLanguageAndSize)
{
    std::regex const spaceText(R"(S\d+)");
    for (AssetSize const& size : kSizes) {
        std::map<wchar_t, int> widths = GlyphWidths(size.folder, kHudMessage.font);
        ASSERT_FALSE(widths.empty()) << size.folder;
        for (char const* file : kLanguageFiles) {
            ASSERT_TRUE(dict.LoadStrings(file)) << file;
            int spaces = 0;
            for (auto const& [id, text] : dict.GetTexts()) {
                if (!std::regex_match(id, spaceText))
                    continue;
                ++spaces;
                EXPECT_LE(LinesOf(text, widths, kHudMessage.RoomAt(size)), kMessageLines)
                    << file << " " << id << " at " << size.folder << " size: \"" << Norv::NarrowString(text) << "\"";
            }
            EXPECT_GT(spaces, 100) << file << ": the spaces' texts were not found";
        }
    }
}

} // namespace
