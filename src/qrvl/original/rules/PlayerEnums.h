// Player characters: the portrait and, with it, the driver's sex.
#pragma once

namespace PlayerEnums {

enum Character {
    kFirstCharacter = 0,
    kLastCharacter = 9,
};

constexpr int kCharacters = 10;
// The text id of each character's name.
constexpr const char* kCharacterNames[kCharacters] = {
    "S_PLYR_BOB",    "S_PLYR_RACHEL", "S_PLYR_JOHN",     "S_PLYR_MARY",     "S_PLYR_JOAN",
    "S_PLYR_ERNIE",  "S_PLYR_MALE03", "S_PLYR_MALE04",   "S_PLYR_FEMALE03", "S_PLYR_FEMALE04"};

constexpr int kMale = 0;
constexpr int kFemale = 1;

// Characters 0, 2, 5, 6 and 7 drive as men, the others as women.
inline int sexOfCharacter(int character)
{
    switch (character) {
    case 0: case 2: case 5: case 6: case 7:
        return kMale;
    default:
        return kFemale;
    }
}

} // namespace PlayerEnums

namespace PlayerEnums {

// The entry of a picture table; an index outside it gives the first.
template <int N>
constexpr const char* PictureAt(const char* const (&table)[N], int index)
{
    return table[index >= 0 && index < N ? index : 0];
}

// The HUD's pictures of each character: the tab portrait and the peg slider.
constexpr const char* g_PlayerTabs[kCharacters] = {
    "menu/gfx/TabBob.png@linear",    "menu/gfx/TabRachel.png@linear", "menu/gfx/TabJohn.png@linear",
    "menu/gfx/TabMary.png@linear",   "menu/gfx/TabJoan.png@linear",   "menu/gfx/TabErnie.png@linear",
    "menu/gfx/TabMale03.png@linear", "menu/gfx/TabMale04.png@linear", "menu/gfx/TabFemale03.png@linear",
    "menu/gfx/TabFemale04.png@linear"};
constexpr const char* g_PlayerPegs[kCharacters] = {
    "menu/gfx/slider.png@linear",   "menu/gfx/slider02.png@linear", "menu/gfx/slider.png@linear",
    "menu/gfx/slider02.png@linear", "menu/gfx/slider02.png@linear", "menu/gfx/slider.png@linear",
    "menu/gfx/slider.png@linear",   "menu/gfx/slider.png@linear",   "menu/gfx/slider02.png@linear",
    "menu/gfx/slider02.png@linear"};

} // namespace PlayerEnums

namespace ColourEnums {

constexpr int kColours = 6;
// The tab background of each car colour.
constexpr const char* g_ColourTabs[kColours] = {
    "menu/gfx/TabBgRed.png@linear",   "menu/gfx/TabBgOrange.png@linear", "menu/gfx/TabBgBlue.png@linear",
    "menu/gfx/TabBgGreen.png@linear", "menu/gfx/TabBgYellow.png@linear", "menu/gfx/TabBgPurple.png@linear"};
// The marker of a number of the wheel that a player of each colour holds.
constexpr const char* g_WagerTabs[kColours] = {
    "menu/gfx/wagerTabRed.png@linear",   "menu/gfx/wagerTabOrange.png@linear", "menu/gfx/wagerTabBlue.png@linear",
    "menu/gfx/wagerTabGreen.png@linear", "menu/gfx/wagerTabYellow.png@linear", "menu/gfx/wagerTabPurple.png@linear"};

} // namespace ColourEnums
