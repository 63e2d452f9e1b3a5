// The pass-and-play set-up.
#include "qrvl/original/frontend/ModePNPChoosePlayer.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/PNPPlayerInfo.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kFirstCount = 2;
// A control that is not offered is drawn faded.
constexpr int kOfferedAlpha = 255;
constexpr int kWithdrawnAlpha = 80;
// The number words of the first four players.
constexpr char const* kNumberWords[] = {"S_ONE", "S_TWO", "S_THREE", "S_FOUR"};

} // namespace

void ModePNPChoosePlayer::init(Player** players, Hud* gameHud, PNPPlayerInfo* record)
{
    hud = gameHud;
    flags = kPassAndPlay;
    quitAsked = abortAsked = false;
    count = 0;
    for (int seat = 0; seat < kMaxListed; ++seat)
        listed[seat] = players ? players[seat] : nullptr;
    initCommon();
    state = NumberPage;
    qrvl::GuifHudManager::GetHudManager().HideHud();
    info = record;
    index = 0;
    info->count = kFirstCount;
    for (int i = 0; i < PNPPlayerInfo::kMaxPlayers; ++i)
        info->colour[i] = info->character[i] = -1;
    initLuaScreens();
    // A game passed round needs two people at least.
    qrvl::ShowControl(GetCurrentScreen(), "Number1", false);
    for (int c = 0; c < ColourEnums::kColours; ++c)
        Offer(0, "Colour", c, true);
    for (int c = 0; c < PlayerEnums::kCharacters; ++c)
        Offer(1, "Character", c, true);
}

void ModePNPChoosePlayer::Offer(int screen, char const* prefix, int which, bool offered)
{
    char control[32];
    std::snprintf(control, sizeof control, "%s%d", prefix, which);
    qrvl::SetControlActive(screens[screen].Get(), control, offered);
    qrvl::SetControlAlpha(screens[screen].Get(), control, offered ? kOfferedAlpha : kWithdrawnAlpha);
}

void ModePNPChoosePlayer::ShowTitle(char const* textId)
{
    std::string title = FGStringManager::getString("S_PLAYER");
    if (index < 4) {
        title += ' ';
        title += FGStringManager::getString(kNumberWords[index]);
    }
    title += ": ";
    title += FGStringManager::getString(textId);
    qrvl::SetLineText(GetCurrentScreen(), "TitleTextLine", title, true);
}

void ModePNPChoosePlayer::EnterName()
{
    state = NamePage;
    name.Attach(info->name[index], PNPPlayerInfo::kNameBytes);
    name.Resume(info->defaultName[index]);
    UpdatePortraitName();
    ShowNameEntryPortrait(info->character[index], info->colour[index]);
    ShowTitle("S_ENTER_NAME");
}

void ModePNPChoosePlayer::buttonSelected(CGuiFrameTouchButton* button)
{
    int const id = button->id;
    switch (state) {
    case NumberPage:
        if (id == Back) {
            AskToQuit();
        } else if (id >= kFirstCount && id <= PNPPlayerInfo::kMaxPlayers) {
            count = info->count = id;
            state = ColourPage;
            ShowTitle("S_CHS_COLOR");
            qrvl::PlayMenuSound("menu_open");
        }
        break;
    case ColourPage:
        if (id == Back) {
            qrvl::PlayMenuSound("frontend_back");
            if (index == 0) {
                state = NumberPage;
            } else {
                --index;
                EnterName();
            }
        } else if (id >= 0 && id < ColourEnums::kColours) {
            info->colour[index] = colour = id;
            Offer(0, "Colour", id, false);
            state = CharacterPage;
            SetPortraitColours(colour);
            ShowTitle("S_CHS_CHARACTER");
            qrvl::PlayMenuSound("menu_open");
        }
        break;
    case CharacterPage:
        if (id == Back) {
            Offer(0, "Colour", info->colour[index], true);
            info->colour[index] = -1;
            state = ColourPage;
            ShowTitle("S_CHS_COLOR");
            qrvl::PlayMenuSound("frontend_back");
        } else if (id >= 0 && id < PlayerEnums::kCharacters) {
            info->character[index] = character = id;
            Offer(1, "Character", id, false);
            char prefilled[32];
            std::snprintf(prefilled, sizeof prefilled, FGStringManager::getString("S_PLAYER_PREFIX"), index + 1);
            qrvl::NameEntry::CopyWhole(info->name[index], PNPPlayerInfo::kNameBytes, prefilled);
            info->defaultName[index] = true;
            EnterName();
            qrvl::PlayMenuSound("menu_open");
        }
        break;
    case NamePage:
        if (id == Back) {
            qrvl::PlayMenuSound("frontend_back");
            Offer(1, "Character", info->character[index], true);
            info->character[index] = -1;
            state = CharacterPage;
            colour = info->colour[index];
            SetPortraitColours(colour);
            ShowTitle("S_CHS_CHARACTER");
        } else if (id == OK) {
            if (!name.HasVisibleCharacter())
                break;
            qrvl::PlayMenuSound("menu_open");
            info->defaultName[index] = name.IsUntouched();
            if (++index >= info->count) {
                if (QuorvelEngine* engine = qrvl::GetGameEngine())
                    engine->lastChoice = kPlayersChosen;
                qrvl::PopMode();
            } else {
                state = ColourPage;
                ShowTitle("S_CHS_COLOR");
            }
        } else {
            ModeChoosePlayer::buttonSelected(button);
        }
        break;
    default:
        break;
    }
}
