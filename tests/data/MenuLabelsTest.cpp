// Every menu label fits its control in every language at both asset sizes:
// the label's width as the typesetter lays it out (the sum of its glyph
// advances in the label's font) against the room its button or title
// board leaves inside the rounded ends, or its box under a HUD button. And
// every space's text, which the HUD bar shows when a car stops there, fits
// two lines of its message box at both sizes; every card's header fits the
// band at the card's top, every card choice's title its board, and the
// widest sum a player holds their card in the list of players.
#include "BuiltResources.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ModeBranch.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/framework/GameUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Language {
    char const* file;
    CLocalise::eLanguageIDs id;
};
Language const kLanguages[] = {
    {"texts/englishUK.xml", CLocalise::kEnglishUK}, {"texts/english.xml", CLocalise::kEnglishUS},
    {"texts/french.xml", CLocalise::kFrench},       {"texts/italian.xml", CLocalise::kItalian},
    {"texts/german.xml", CLocalise::kGerman},       {"texts/spanish.xml", CLocalise::kSpanish},
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
constexpr int kTitleEnds = 10;
LabelKind const kTitle = {"titleLabel", "arial_title", 400 - 2 * kTitleEnds, kLargeArt};
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

// A font's line height: the height of its glyph cells, all alike.
int LineHeight(std::string const& size, std::string const& font)
{
    std::string const definition = ReadFile(std::string(QUORVEL_ASSETS_DIR) + "/" + size + "/fonts/" + font + ".xml");
    std::smatch cell;
    std::regex const glyph(R"re(<char code="\d+"[^>]* height="(\d+)")re");
    return std::regex_search(definition, cell, glyph) ? std::stoi(cell[1]) : 0;
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

        for (Language const& language : kLanguages) {
            ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
            for (auto const& [id, kind] : labels)
                check(language.file, id, dict.GetText(id), kind);
            // The settings' volume buttons: "Music: \0" filled with each level.
            for (char const* label : kVolumeLabels) {
                for (char const* level : kVolumeLevels) {
                    std::wstring text = dict.GetText(label);
                    text.replace(text.find(L"\\0"), 2, dict.GetText(level));
                    check(language.file, std::string(label) + " " + level, text, kButton);
                }
            }
        }
    }
}

// The HUD bar's message box: two lines of the small sans serif, 260 wide at
// the normal size the game plays at 1024x768.
LabelKind const kHudMessage = {"hudMessage", "arial_small", 260, kLargeSmallFont};
constexpr int kMessageLines = 2;

// How a text lies in a box of a given width, broken between words as the
// typesetter breaks them (a no-break space keeps French punctuation on its
// word): the lines it takes and the widest of them, which is wider than the
// box only when one word is.
struct Lines {
    int count = 1;
    int widest = 0;
};
Lines LinesOf(std::wstring const& text, std::map<wchar_t, int>& widths, int room)
{
    Lines lines;
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
            ++lines.count;
            line = width;
        }
        lines.widest = std::max(lines.widest, line);
    }
    return lines;
}

TEST_F(MenuLabelsTest, EverySpacesTextFitsTheHudMessageBoxInEveryLanguageAndSize)
{
    std::regex const spaceText(R"(S\d+)");
    for (AssetSize const& size : kSizes) {
        std::map<wchar_t, int> widths = GlyphWidths(size.folder, kHudMessage.font);
        ASSERT_FALSE(widths.empty()) << size.folder;
        for (Language const& language : kLanguages) {
            ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
            int spaces = 0;
            for (auto const& [id, text] : dict.GetTexts()) {
                if (!std::regex_match(id, spaceText))
                    continue;
                ++spaces;
                Lines const lines = LinesOf(text, widths, kHudMessage.RoomAt(size));
                EXPECT_TRUE(lines.count <= kMessageLines && lines.widest <= kHudMessage.RoomAt(size))
                    << language.file << " " << id << " at " << size.folder << " size: \"" << Norv::NarrowString(text)
                    << "\"";
            }
            EXPECT_GT(spaces, 100) << language.file << ": the spaces' texts were not found";
        }
    }
}

// The band a text stands in, as its description gives it: a box of width x
// height at the normal size, grown with the art, in its font.
struct TextBand {
    int width = 0;
    int height = 0;
    std::string font;
};
TextBand BandOf(char const* representation)
{
    std::string const description =
        ReadFile(std::string(QUORVEL_SOURCE_ROOT "/data/menu/res/menu/") + representation + ".xml");
    std::regex const band(R"(<width>(\d+)\*S</width><height>(\d+)\*S</height><font>fonts/(\w+)\.xml</font>)");
    std::smatch found;
    if (!std::regex_search(description, found, band))
        return {};
    return {std::stoi(found[1]), std::stoi(found[2]), found[3]};
}

// Every text the game puts in a card's header band: the names in the card
// tables, the fork's ways, the family events' and the retirement's headers,
// and the headers the descriptions fix.
std::set<std::string> CardHeaderIds()
{
    std::set<std::string> ids;
    for (int id = 0; id < CareerCard::kCount; ++id)
        ids.insert(std::unique_ptr<CareerCard>(CareerCard::create(id))->textId);
    for (int id = 0; id < HouseCard::kCount; ++id)
        ids.insert(std::unique_ptr<HouseCard>(HouseCard::create(id))->textId);
    for (int kind : {ShareTheWealthCard::kShareCollect, ShareTheWealthCard::kSharePay, ShareTheWealthCard::kExemption,
                     ShareTheWealthCard::kSpinTwice, ShareTheWealthCard::kSpinFour, ShareTheWealthCard::kNoCard})
        ids.insert(std::unique_ptr<ShareTheWealthCard>(ShareTheWealthCard::create(kind))->titleId);
    for (int type = 0; ModeBranch::Look const* look = ModeBranch::LookOf(type); ++type) {
        ids.insert(look->leftHeader);
        ids.insert(look->rightHeader);
    }
    // Named where the rules show the event card (BoardRules.cpp) and the
    // statement (ModeRetire.cpp).
    ids.insert({"S_GET_MARRIED", "S_HAVE_BABY", "S_HAD_TWINS", "S_MILLION", "S_COUNT"});
    std::regex const fixed(R"(<text>(S_\w+)</text>\s*<representation file='menu/cardHeader\.xml')");
    for (auto const& entry : std::filesystem::directory_iterator(QUORVEL_SOURCE_ROOT "/data/menu/res/menu")) {
        std::string const description = ReadFile(entry.path());
        for (std::sregex_iterator it(description.begin(), description.end(), fixed), end; it != end; ++it)
            ids.insert((*it)[1]);
    }
    return ids;
}

// Expects every text to lie in the band in every language at both sizes,
// broken into lines at the band's width as the typesetter breaks them, each
// line clear of `ends` at either side of the band.
void ExpectTextsFitBand(Norv::TextDict& dict, std::set<std::string> const& ids, char const* representation, int ends)
{
    TextBand const band = BandOf(representation);
    ASSERT_FALSE(band.font.empty()) << "the band of " << representation << " was not found";
    for (AssetSize const& size : kSizes) {
        std::map<wchar_t, int> widths = GlyphWidths(size.folder, band.font);
        int const lineHeight = LineHeight(size.folder, band.font);
        ASSERT_FALSE(widths.empty()) << size.folder;
        double const grown = size.large ? kLargeArt : 1.0;
        int const box = static_cast<int>(band.width * grown);
        int const room = static_cast<int>((band.width - 2 * ends) * grown);
        int const height = static_cast<int>(band.height * grown);
        for (Language const& language : kLanguages) {
            ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
            for (std::string const& id : ids) {
                std::wstring const text = dict.GetText(id);
                Lines const lines = LinesOf(text, widths, box);
                EXPECT_TRUE(lines.widest <= room && lines.count * lineHeight <= height)
                    << language.file << " " << id << " at " << size.folder << " size takes " << lines.count
                    << " line(s) " << lines.widest << " wide in a band " << room << " x " << height << ": \""
                    << Norv::NarrowString(text) << "\"";
            }
        }
    }
}

TEST_F(MenuLabelsTest, EveryCardHeaderFitsItsBandInEveryLanguageAndSize)
{
    std::set<std::string> const ids = CardHeaderIds();
    ASSERT_GT(ids.size(), 40u) << "the card headers were not found";
    ExpectTextsFitBand(dict, ids, "cardHeader", 0);
}

// The titles code and scripts put on the card choices' boards: the
// face-down career and Share the Wealth cards (ModeChooseSmallCard,
// ModeChooseShareTheWealth) and the face-up careers (chooseCareerCards.lua).
// A long one takes two lines of the board.
TEST_F(MenuLabelsTest, EveryCardChoiceTitleFitsItsBoardInEveryLanguageAndSize)
{
    std::set<std::string> const ids = {"S_CHOOSE_ONE_CAREER", "S_CHOOSE_TWO_CAREERS", "S_CHOOSE_SHARE_THE_WEALTH",
                                       "S_CHS_CLG", "S_CAR_SAL"};
    ExpectTextsFitBand(dict, ids, "titleLabel", kTitleEnds);
}

// A player's card in the list of players is 200 wide at the normal size,
// the inside of its border ending at 194 (menu/gfx/playerFrame.svg); it
// grows with the art.
constexpr int kPlayerCardInside = 194;
// The widest sum a card shows: six figures. A player's cash never goes
// below zero, since the bank lends what is missing.
constexpr int kWidestSum = 999999;

// Where the money starts on a player's card, from the list's description.
int PlayersMoneyX()
{
    std::string const description = ReadFile(QUORVEL_SOURCE_ROOT "/data/menu/res/menu/chooseCharacterInPlay.xml");
    std::regex const money(R"(<item name='Player1Money' type='TextLine'><x>(\d+)\*S</x>)");
    std::smatch found;
    return std::regex_search(description, found, money) ? std::stoi(found[1]) : 0;
}

TEST_F(MenuLabelsTest, TheWidestSumFitsAPlayersCardInEveryLanguageAndSize)
{
    TextBand const band = BandOf("playerListText");
    ASSERT_FALSE(band.font.empty()) << "the players' card text was not found";
    int const left = PlayersMoneyX();
    ASSERT_GT(left, 0) << "the money on a player's card was not found";

    // The money text is made as the game makes it, in each language.
    Norv::g_textDict = new Norv::TextDict;
    for (AssetSize const& size : kSizes) {
        std::map<wchar_t, int> widths = GlyphWidths(size.folder, band.font);
        ASSERT_FALSE(widths.empty()) << size.folder;
        int const room = static_cast<int>((kPlayerCardInside - left) * (size.large ? kLargeArt : 1.0));
        for (Language const& language : kLanguages) {
            ASSERT_TRUE(Norv::g_textDict->LoadStrings(language.file)) << language.file;
            CLocalise::GetLocalise()->SetLanguage(language.id);
            std::string const sum = GameUtil::getMoneyString(kWidestSum);
            int width = 0;
            for (wchar_t const code : Norv::WideString(Norv::NarrowString(sum)))
                width += widths[code];
            EXPECT_LE(width, room) << language.file << " at " << size.folder << " size: \"" << sum << "\"";
        }
    }
    CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
    Norv::g_textDict.Release();
}

} // namespace
