// The player choice and set-up screens.
#include "qrvl/original/frontend/ModeChoosePlayer.h"

#include "guif/TextLine.h"
#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/frontend/ModeStatus.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/port/SoundManager.h"

#include <cstdio>

namespace {

enum ScreenIndex { ColourScreen, CharacterScreen, NameScreen, NumberScreen, PlayersScreen };

constexpr char const* kScripts[] = {"menu/chooseColour.lua", "menu/choosePlayer.lua", "menu/enterName.lua",
                                    "menu/chooseNumPlayers.lua", "menu/chooseCharacterInPlay.lua"};
// The portrait backgrounds of the character page, in character order.
constexpr char const* kPortraitBackgrounds[PlayerEnums::kCharacters] = {
    "BernardBkg", "MaryBkg", "JohnBkg", "RachelBkg", "MalcolmBkg",
    "SarahBkg",   "BobBkg",  "JoanBkg", "ErnieBkg",  "ZoeBkg"};
constexpr int kCursorBlinkMs = 300;

char const* Text(char const* id) { return FGStringManager::getString(id); }

} // namespace

char const ModeChoosePlayer::className[] = "ModeChoosePlayer";

Norv::Lunar<ModeChoosePlayer>::RegType ModeChoosePlayer::methods[] = {
    {"BackKeyPressed", &ModeChoosePlayer::l_BackKeyPressed},
    {"OKKeyPressed", &ModeChoosePlayer::l_OKKeyPressed},
    {"ColorSelected", &ModeChoosePlayer::l_ColorSelected},
    {"PlayerSelected", &ModeChoosePlayer::l_PlayerSelected},
    {"NumPlayersSelected", &ModeChoosePlayer::l_NumPlayersSelected},
    {nullptr, nullptr},
};

ModeChoosePlayer::~ModeChoosePlayer()
{
    for (auto& screen : screens)
        screen.Release();
}

void ModeChoosePlayer::init(Player** players, Hud* gameHud, int current, int initFlags, char* nameBuffer,
                            int nameBytes)
{
    hud = gameHud;
    currentIndex = current;
    name.Attach(nameBuffer, nameBytes);
    quitAsked = abortAsked = false;
    qrvl::GuifHudManager::GetHudManager().HideHud();
    flags = initFlags;
    count = 0;
    for (int seat = 0; seat < kMaxListed; ++seat) {
        Player* player = players ? players[seat] : nullptr;
        if (!player)
            continue;
        bool listedHere = true;
        if (HasFlag(kPassAndPlay)) {
            // Every other player of the game.
            listedHere = seat != current && player->isPrepared();
        } else if (HasFlag(kFilter)) {
            bool const eligible = player->isComputer() && (!HasFlag(kSetUp) || player->isPrepared());
            if (!eligible && !player->isComputer())
                currentIndex = seat;
            listedHere = eligible && !(HasFlag(kTile) && player->getNumQuorvelCards() == 0);
        }
        if (!listedHere)
            continue;
        listed[count] = player;
        seats[count++] = seat;
    }
    initCommon();
    initLuaScreens();
    if (HasFlag(kPassAndPlay))
        selectAScreen();
}

void ModeChoosePlayer::initCommon()
{
    shift = false;
    if (!HasFlag(kFilter)) {
        state = ColourPage;
        if (QuorvelEngine* engine = qrvl::GetGameEngine())
            engine->setRenderWorld(true);
    }
    qrvl::HideSoftkeys();
    cursorTimer = kCursorBlinkMs;
    cursorShown = true;
}

void ModeChoosePlayer::initLuaScreens()
{
    for (int i = 0; i < 5; ++i) {
        if (screens[i])
            continue;
        screens[i] = new qrvl::TranslatableScreen(0, nullptr);
        Norv::Lua* lua = screens[i]->GetLua();
        lua->PushNumber(count);
        lua->RegisterGlobal("numPlayers");
        qrvl::RunHudPageScript(lua, kScripts[i], this);
    }
    cursor = screens[NameScreen]->FindControl("PlayerNameCursor");
    // The cursor stands at the centre of the name field until a name is shown.
    if (cursor)
        cursorCentreX = cursor->GetX();
}

qrvl::TranslatableScreen* ModeChoosePlayer::GetCurrentScreen() const
{
    switch (state) {
    case ColourPage:
        return screens[ColourScreen].Get();
    case CharacterPage:
        return screens[CharacterScreen].Get();
    case NumberPage:
        return screens[NumberScreen].Get();
    case NamePage:
        return screens[NameScreen].Get();
    default:
        return screens[PlayersScreen].Get();
    }
}

void ModeChoosePlayer::selectAScreen()
{
    if (HasFlag(kTile)) {
        state = ChooseList;
        FillPlayersList(Text("S_HUM_CHOOSE_TOK"), true, true);
    } else if (HasFlag(kSetUp) && !HasFlag(kFilter)) {
        state = ColourPage;
    } else if (HasFlag(kOpponents)) {
        state = OpponentsList;
        FillPlayersList(Text("S_YOUR_OPP"), false, false);
    } else if (HasFlag(kLawsuit)) {
        state = ChooseList;
        FillPlayersList(Text("S_CHS_PLYR"), true, true);
    } else {
        state = HasFlag(kShareCard) ? ShareCardList : OverviewList;
        FillPlayersList(Text("S_CHS_PLYR"), false, true);
    }
}

void ModeChoosePlayer::FillPlayersList(char const* header, bool hideBack, bool hideOK)
{
    Guif::Screen* screen = screens[PlayersScreen].Get();
    char control[32];
    for (int n = 1; n <= kMaxListed; ++n) {
        std::snprintf(control, sizeof control, "Player%dFrame", n);
        qrvl::ShowControl(screen, control, n <= count);
        if (n > count)
            continue;
        Player const* player = listed[n - 1];
        std::snprintf(control, sizeof control, "Player%dImage", n);
        qrvl::SetSpriteImage(screen, control, PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, player->getCharacter()));
        std::snprintf(control, sizeof control, "Player%dSliderImage", n);
        qrvl::SetSpriteImage(screen, control, PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, player->getCharacter()));
        std::snprintf(control, sizeof control, "Player%dImageBkg", n);
        qrvl::SetSpriteImage(screen, control, PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, player->getColor()));
        std::snprintf(control, sizeof control, "Player%dName", n);
        qrvl::SetLineText(screen, control, player->getName(), true);
        char text[32];
        std::snprintf(control, sizeof control, "Player%dQuorvel", n);
        std::snprintf(text, sizeof text, "x%d", player->getNumQuorvelCards());
        qrvl::SetLineText(screen, control, text, true);
        std::snprintf(control, sizeof control, "Player%dMoney", n);
        GameUtil::getMoneyString(player->getCash(), text, sizeof text);
        qrvl::SetLineText(screen, control, text, true);
    }
    if (header)
        qrvl::SetLineText(screen, "FrameHeader", header, true);
    qrvl::ShowControl(screen, "BackButton", !hideBack);
    qrvl::ShowControl(screen, "OKKey", !hideOK);
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->setRenderWorld(false);
}

void ModeChoosePlayer::activate()
{
    QuorvelMode::activate();
    qrvl::HideSoftkeys();
    QuorvelEngine* engine = qrvl::GetGameEngine();
    bool const yes = engine && engine->lastChoice == 0;
    if (quitAsked) {
        quitAsked = false;
        if (yes) {
            engine->lastChoice = kQuit;
            qrvl::PopMode();
            SoundManager::GetInstance().Stop();
            return;
        }
    } else if (abortAsked) {
        abortAsked = false;
        if (yes) {
            engine->lastChoice = Back;
            qrvl::PopMode();
            SoundManager::GetInstance().Stop();
            return;
        }
    }
    if (!HasFlag(kPassAndPlay))
        selectAScreen();
    // A choice with nobody to choose is no choice: it leaves as Back does.
    if ((state == ChooseList || state == ShareCardList) && count == 0) {
        if (engine)
            engine->lastChoice = Back;
        qrvl::PopMode();
    }
}

void ModeChoosePlayer::deactivate()
{
    QuorvelMode::deactivate();
    qrvl::HideSoftkeys();
}

void ModeChoosePlayer::tick()
{
    qrvl::TranslatableScreen* screen = GetCurrentScreen();
    if (screen)
        screen->Update(qrvl::LastFrameMs() * 0.001);
    if (state != NamePage)
        return;
    cursorTimer -= qrvl::LastFrameMs();
    if (cursorTimer < 0) {
        cursorTimer += kCursorBlinkMs;
        cursorShown = !cursorShown;
        if (cursor)
            cursor->SetVisibleFlag(cursorShown);
    }
}

void ModeChoosePlayer::drawSelf(Norv::Surface* surface)
{
    if (qrvl::TranslatableScreen* screen = GetCurrentScreen())
        screen->Render(surface, 0, 0);
}

void ModeChoosePlayer::onTouchUp(int x, int y, int id)
{
    if (qrvl::TranslatableScreen* screen = GetCurrentScreen())
        screen->OnTouchUp(x, y, id);
}

void ModeChoosePlayer::onTouchDown(int x, int y, int id)
{
    if (qrvl::TranslatableScreen* screen = GetCurrentScreen())
        screen->OnTouchDown(x, y, id);
}

void ModeChoosePlayer::keyPressed(int key)
{
    qrvl::TranslatableScreen* screen = GetCurrentScreen();
    if (state != NamePage) {
        if (screen)
            screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
        return;
    }
    if (key == Norv::KEY_SHIFT) {
        shift = true;
        return;
    }
    int const character = qrvl::NameCharacterForKey(key, shift || name.IsUntouched());
    if (character < 0) {
        if (screen)
            screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
        return;
    }
    if (char const* sound = name.Process(character))
        qrvl::PlayMenuSound(sound);
    UpdatePortraitName();
}

void ModeChoosePlayer::characterTyped(unsigned int typed)
{
    if (state != NamePage)
        return;
    // The first letter of a name is a capital, as with the letter keys.
    int const character = qrvl::NameCharacterForTyped(typed, name.IsUntouched());
    if (char const* sound = name.Process(character < 0 ? qrvl::NameEntry::kIgnored : character))
        qrvl::PlayMenuSound(sound);
    UpdatePortraitName();
}

void ModeChoosePlayer::keyReleased(int key)
{
    if (key == Norv::KEY_SHIFT)
        shift = false;
}

void ModeChoosePlayer::UpdatePortraitName()
{
    Guif::Screen* screen = GetCurrentScreen();
    qrvl::SetLineText(screen, "PlayerName", name.Text(), true);
    if (Guif::TextLine* line = qrvl::FindTextLine(screen, "PlayerName"); line && cursor)
        cursor->SetX(cursorCentreX + line->GetTextWidth() / 2 + 3);
    qrvl::ShowControl(screen, "OKKey", name.HasVisibleCharacter());
}

void ModeChoosePlayer::ShowNameEntryPortrait(int shownCharacter, int shownColour)
{
    Guif::Screen* screen = GetCurrentScreen();
    qrvl::SetSpriteImage(screen, "PlayerImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, shownCharacter));
    qrvl::SetSpriteImage(screen, "SliderImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, shownCharacter));
    qrvl::SetSpriteImage(screen, "PlayerImageBkg", PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, shownColour));
}

void ModeChoosePlayer::SetPortraitColours(int shownColour)
{
    for (char const* control : kPortraitBackgrounds)
        qrvl::SetSpriteImage(GetCurrentScreen(), control, PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, shownColour));
}

void ModeChoosePlayer::AskToQuit()
{
    ModeYesNo* question = new ModeYesNo;
    question->init(Text("S_CONFIRM_QUIT"), nullptr, nullptr, hud, false, false);
    qrvl::PushMode(question);
    quitAsked = true;
}

void ModeChoosePlayer::buttonSelected(CGuiFrameTouchButton* button)
{
    int const id = button->id;
    QuorvelEngine* engine = qrvl::GetGameEngine();
    auto answer = [engine](int value) {
        if (engine)
            engine->lastChoice = value;
    };
    bool const listedPlayer = id >= 0 && id < count;
    switch (state) {
    case ColourPage:
        if (id == Back) {
            AskToQuit();
        } else if (id >= 0 && id < ColourEnums::kColours) {
            colour = id;
            qrvl::PlayMenuSound("menu_open");
            state = CharacterPage;
            SetPortraitColours(colour);
        }
        break;
    case CharacterPage:
        if (id == Back) {
            qrvl::PlayMenuSound("frontend_back");
            state = ColourPage;
        } else if (id >= 0 && id < PlayerEnums::kCharacters) {
            character = id;
            qrvl::PlayMenuSound("menu_open");
            state = NamePage;
            char prefilled[32];
            std::snprintf(prefilled, sizeof prefilled, Text("S_PLAYER_PREFIX"), 1);
            name.Prefill(prefilled);
            UpdatePortraitName();
            ShowNameEntryPortrait(character, colour);
        }
        break;
    case NamePage:
        if (id == OK) {
            // Return on a name of spaces is no answer: OK is not offered.
            if (!name.HasVisibleCharacter())
                break;
            state = NumberPage;
            qrvl::PlayMenuSound("menu_open");
        } else if (id == Back) {
            state = CharacterPage;
            qrvl::PlayMenuSound("frontend_back");
            SetPortraitColours(colour);
        } else {
            if (char const* sound = name.Process(id))
                qrvl::PlayMenuSound(sound);
            UpdatePortraitName();
        }
        break;
    case NumberPage:
        if (id == Back) {
            qrvl::PlayMenuSound("frontend_back");
            state = NamePage;
        } else if (id >= 1 && id <= kMaxListed) {
            answer(GameScreens::packSetUp(colour, character, id));
            qrvl::PlayMenuSound("menu_open");
            qrvl::PopMode();
        }
        break;
    case OpponentsList:
        if (id == OK) {
            answer(OK);
            qrvl::PopMode();
        } else if (id == Back) {
            AskToQuit();
        }
        break;
    case ChooseList:
    case ShareCardList:
        if (listedPlayer) {
            answer(seats[id]);
            qrvl::PlayMenuSound("menu_open");
            qrvl::PopMode();
        } else if (id == Back && state == ShareCardList) {
            ModeYesNo* question = new ModeYesNo;
            question->init(Text("S_ABORT_STWCARD"), nullptr, nullptr, hud, false, false);
            qrvl::PushMode(question);
            abortAsked = true;
        }
        break;
    case OverviewList:
        if (id == Back) {
            qrvl::PopMode();
        } else if (listedPlayer) {
            answer(seats[id]);
            qrvl::PlayMenuSound("menu_open");
            ModeStatus* status = new ModeStatus;
            status->init(hud, listed[id], seats[id] == currentIndex, investOwners, investRefusal, ModeStatus::OnTabs);
            qrvl::PushMode(status);
        }
        break;
    default:
        break;
    }
}

void ModeChoosePlayer::Press(int id)
{
    CGuiFrameTouchButton button(id);
    buttonSelected(&button);
}

namespace {

int Argument(lua_State* L) { return static_cast<int>(Norv::Lua(L).CheckNumber(1)); }

} // namespace

int ModeChoosePlayer::l_BackKeyPressed(lua_State*)
{
    Press(Back);
    return 0;
}

int ModeChoosePlayer::l_OKKeyPressed(lua_State*)
{
    Press(OK);
    return 0;
}

int ModeChoosePlayer::l_ColorSelected(lua_State* L)
{
    Press(Argument(L));
    return 0;
}

int ModeChoosePlayer::l_PlayerSelected(lua_State* L)
{
    Press(Argument(L));
    return 0;
}

int ModeChoosePlayer::l_NumPlayersSelected(lua_State* L)
{
    Press(Argument(L));
    return 0;
}
