// The status screen.
#include "qrvl/original/frontend/ModeStatus.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ModeShowShareTheWealth.h"
#include "qrvl/original/frontend/ModeSpin2Win.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/framework/GameUtil.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr char const* kScript = "menu/status.lua";
constexpr char const* kCardsScript = "menu/showSTW.lua";
constexpr char const* kTabControls[ModeStatus::kTabs] = {"PlayerTab", "LTITab", "STWTab", "HouseTab", "CareerTab"};
constexpr char const* kTabIcons[ModeStatus::kTabs] = {"PlayerTabIcon", "LTITabIcon", "STWTabIcon", "HouseTabIcon",
                                                     "CareerTabIcon"};

char const* Text(char const* id) { return FGStringManager::getString(id); }

// A number bought while the wheel still turns would pay out on this spin.
bool WheelMoving()
{
    CSpinnerMotion const* wheel = CWorld::GetWorld().spinnerMotion.get();
    return wheel && wheel->state == CSpinnerMotion::kSpinning;
}

void ShowPicture(Guif::Screen* screen, char const* name, char const* picture)
{
    qrvl::ShowControl(screen, name, picture != nullptr);
    if (picture)
        qrvl::SetSpriteImage(screen, name, picture);
}

std::string Number(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

} // namespace

char const ModeStatus::className[] = "ModeStatus";

Norv::Lunar<ModeStatus>::RegType ModeStatus::methods[] = {
    {"BackKeyPressed", &ModeStatus::l_BackKeyPressed},
    {"InvestButtonPressed", &ModeStatus::l_InvestButtonPressed},
    {"STWButtonPressed", &ModeStatus::l_STWButtonPressed},
    {"UpArrowPressed", &ModeStatus::l_UpArrowPressed},
    {"DownArrowPressed", &ModeStatus::l_DownArrowPressed},
    {"LeftArrowPressed", &ModeStatus::l_LeftArrowPressed},
    {"RightArrowPressed", &ModeStatus::l_RightArrowPressed},
    {nullptr, nullptr},
};

ModeStatus::ModeStatus()
    : screen(new qrvl::TranslatableScreen(0, nullptr)), cardsScreen(new qrvl::TranslatableScreen(0, nullptr))
{
    qrvl::RunHudPageScript(screen->GetLua(), kScript, this);
    qrvl::RunHudPageScript(cardsScreen->GetLua(), kCardsScript, this);
    // The cards are only looked at here: Back leaves them.
    qrvl::ShowControl(cardsScreen.Get(), "ConfirmKey", false);
}

ModeStatus::~ModeStatus()
{
    screen.Release();
    cardsScreen.Release();
}

qrvl::TranslatableScreen* ModeStatus::GetCurrentScreen() const
{
    return subScreen == CardsOpen ? cardsScreen.Get() : screen.Get();
}

void ModeStatus::init(Hud* gameHud, Player* shown, bool isCurrent, int* numberOwners, int investRefusal,
                      StatusMode opening)
{
    hud = gameHud;
    player = shown;
    current = isCurrent;
    owners = numberOwners;
    refusal = investRefusal;
    mode = opening;
    closing = false;
}

char const* ModeStatus::Said(char const* own, char const* others) const
{
    return !player->isComputer() && current ? own : others;
}

bool ModeStatus::IsValidPage(int tab) const
{
    if (tab != CardsTab)
        return tab >= 0 && tab < kTabs;
    if (player->isComputer())
        return false;
    QuorvelEngine* engine = qrvl::GetGameEngine();
    bool const passAndPlay = engine && engine->getGameMode() == QuorvelEngine::GameModePassAndPlay;
    return !passAndPlay || current;
}

void ModeStatus::SetCurrentPage(int tab)
{
    for (int t = 0; t < kTabs; ++t) {
        qrvl::ShowControl(screen.Get(), kTabControls[t], t == tab);
        qrvl::ShowControl(screen.Get(), kTabIcons[t], t == tab);
    }
    page = tab;
}

void ModeStatus::Step(int direction)
{
    int tab = page;
    do {
        tab = (tab + direction + kTabs) % kTabs;
    } while (!IsValidPage(tab) && tab != page);
    SetCurrentPage(tab);
    RedrawStatusScreen();
}

void ModeStatus::PopulateScreens()
{
    Guif::Screen* shown = screen.Get();
    qrvl::SetSpriteImage(shown, "PlayerImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, player->getCharacter()));
    qrvl::SetSpriteImage(shown, "SliderImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, player->getCharacter()));
    qrvl::SetSpriteImage(shown, "PlayerImageBkg", PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, player->getColor()));
    qrvl::SetLineText(shown, "PlayerName", player->getName(), true);
    int const number = player->getInvestment();
    qrvl::SetLineText(shown, "LTIWagerLabel", number >= 0 ? Number(number + 1) : std::string(), true);
    HouseCard const* house = player->getHouse();
    qrvl::ShowControl(shown, "HouseLabel", house != nullptr);
    ShowPicture(shown, "HouseIcon", house ? house->journalPicture : nullptr);
    if (house)
        qrvl::SetLineText(shown, "HouseLabel", Text(house->textId), true);
    CareerCard const* career = player->getCareer();
    qrvl::ShowControl(shown, "CareerJobLabel", career != nullptr);
    ShowPicture(shown, "CareerJobIcon", career ? career->journalPicture : nullptr);
    if (career)
        qrvl::SetLineText(shown, "CareerJobLabel", Text(career->textId), true);
}

void ModeStatus::RedrawStatusScreen()
{
    Guif::Screen* shown = screen.Get();
    char const* const name = player->getName();
    switch (page) {
    case PlayerTab:
        qrvl::SetLineText(shown, "PlayerQuorvelLabel", "x" + Number(player->getNumQuorvelCards()), true);
        qrvl::SetLineText(shown, "PlayerCashLabel", GameUtil::getMoneyString(player->getCash()), true);
        qrvl::SetLineText(shown, "PlayerLoansLabel", GameUtil::getMoneyString(player->getLoans() * kLoanAmount), true);
        break;
    case InvestmentTab: {
        int const number = player->getInvestment();
        bool const invested = number >= 0;
        char const* const args[] = {name, nullptr};
        std::string const numberText = Number(number + 1);
        char const* const withNumber[] = {name, numberText.c_str()};
        std::string const text = invested ? CLocalise::Fill(Text(Said("S_PL_INVEST", "S_AI_INVEST")), withNumber, 2)
                                          : CLocalise::Fill(Text(Said("S_PL_NO_INVEST", "S_AI_NO_INVEST")), args, 1);
        qrvl::SetLineText(shown, "LTILabel", text, true);
        qrvl::ShowControl(shown, "LTIWager", invested);
        qrvl::ShowControl(shown, "LTIButton", !invested && !player->isComputer() && current);
        break;
    }
    case CardsTab: {
        bool const holdsCards = player->getShareTheWealthCards() != nullptr;
        qrvl::SetLineText(shown, "STWLabel", Text(holdsCards ? "S_STW_PRESS_OK" : "S_I3D_NO_SHARE_CARDS"), true);
        qrvl::ShowControl(shown, "STWButton", holdsCards);
        break;
    }
    case HouseTab: {
        HouseCard const* house = player->getHouse();
        qrvl::ShowControl(shown, "HouseData", house != nullptr);
        qrvl::ShowControl(shown, "HouseNoHouseLabel", house == nullptr);
        if (!house) {
            char const* const args[] = {name};
            qrvl::SetLineText(shown, "HouseNoHouseLabel",
                              CLocalise::Fill(Text(Said("S_PL_NO_HOUSE", "S_AI_NO_HOUSE")), args, 1), true);
            break;
        }
        qrvl::SetLineText(shown, "HousePaidLabel", GameUtil::getMoneyString(house->price), true);
        bool const sells = house->saleValue > 0;
        qrvl::ShowControl(shown, "HouseSellForPrelabel", sells);
        qrvl::SetLineText(shown, "HouseSellForLabel", sells ? GameUtil::getMoneyString(house->saleValue) : "", true);
        break;
    }
    case CareerTab: {
        CareerCard const* career = player->getCareer();
        qrvl::ShowControl(shown, "CareerData", career != nullptr);
        qrvl::ShowControl(shown, "CareerNoJobLabel", career == nullptr);
        if (!career) {
            char const* const args[] = {name};
            qrvl::SetLineText(shown, "CareerNoJobLabel",
                              CLocalise::Fill(Text(Said("S_PL_NO_CAREER", "S_AI_NO_CAREER")), args, 1), true);
            break;
        }
        qrvl::SetLineText(shown, "CareerSalaryLabel", GameUtil::getMoneyString(player->getSalary()), true);
        qrvl::SetLineText(shown, "CareerMaxLabel",
                          career->maxSalary < 1 ? Text("S_NONE") : GameUtil::getMoneyString(career->maxSalary), true);
        qrvl::SetLineText(shown, "CareerTaxLabel", GameUtil::getMoneyString(career->tax), true);
        break;
    }
    default:
        break;
    }
}

void ModeStatus::Message(char const* textId)
{
    ModeYesNo* message = new ModeYesNo;
    message->init(Text(textId), nullptr, nullptr, hud, false, true);
    qrvl::PushMode(message);
}

void ModeStatus::EnterInvestScreen()
{
    if (refusal == RefusedNotYourTurn) {
        Message("S_NO_INVEST_NOT_YOUR_TURN");
    } else if (refusal == RefusedTurnOrder) {
        Message("S_NO_INVEST_TURN_ORDER");
    } else if (refusal == InvestAllowed) {
        if (player->getInvestment() >= 0) {
            Message("S_ALREADY_INVESTED");
        } else if (WheelMoving()) {
            Message("S_INVEST_SPINNER_MOVING");
        } else {
            ModeSpin2Win* buy = new ModeSpin2Win;
            buy->init(player, hud, owners);
            qrvl::PushMode(buy);
        }
    }
}

void ModeStatus::EnterShareTheWealthScreen()
{
    qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_statusSTW");
    FillStatusSTWCarousel();
    subScreen = CardsOpen;
}

void ModeStatus::FillStatusSTWCarousel()
{
    if (carousel)
        return;
    std::vector<ShareTheWealthCard*> cards;
    for (Card* card = player->getShareTheWealthCards(); card; card = card->next)
        cards.push_back(static_cast<ShareTheWealthCard*>(card));
    int const count = std::min(static_cast<int>(cards.size()), kCardFrames);
    carousel = std::make_unique<qrvl::CGuifFrameTouchCarousel>();
    carousel->Init(*cardsScreen, "STW", kCardFrames, count, true);
    for (int i = 0; i < count; ++i)
        ModeShowShareTheWealth::PopulateCardFrame(cards[static_cast<size_t>(i)], i, cardsScreen.Get());
    carousel->SnapToFocus(0);
}

void ModeStatus::activate()
{
    QuorvelMode::activate();
    if (closing) {
        qrvl::PopMode();
        qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudOn);
        return;
    }
    qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_status");
    subScreen = TabsOpen;
    PopulateScreens();
    qrvl::HideSoftkeys();
    if (!IsValidPage(page))
        page = PlayerTab;
    // Only a player's own cards are shown, and only when there are some;
    // otherwise their tab says why there are none.
    bool const cardsShown = IsValidPage(CardsTab);
    if (mode == OnCards && cardsShown)
        page = CardsTab;
    SetCurrentPage(page);
    RedrawStatusScreen();
    if (mode == OnInvestment) {
        EnterInvestScreen();
        closing = true;
    } else if (mode == OnCards && cardsShown && player->getShareTheWealthCards()) {
        EnterShareTheWealthScreen();
        closing = true;
    }
}

void ModeStatus::deactivate()
{
    QuorvelMode::deactivate();
    qrvl::HideSoftkeys();
}

void ModeStatus::buttonSelected(CGuiFrameTouchButton* button)
{
    switch (button->id) {
    case Invest:
        EnterInvestScreen();
        break;
    case Cards:
        EnterShareTheWealthScreen();
        break;
    case Back:
        qrvl::PlayMenuSound("frontend_back");
        if (subScreen == CardsOpen && !closing) {
            qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_status");
            subScreen = TabsOpen;
            break;
        }
        qrvl::PopMode();
        if (closing)
            qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudOn);
        break;
    default:
        break;
    }
}

void ModeStatus::tick()
{
    Norv::NorvFloat const seconds = qrvl::LastFrameMs() * 0.001;
    GetCurrentScreen()->Update(seconds);
    if (carousel)
        carousel->Update(seconds);
}

void ModeStatus::drawSelf(Norv::Surface* surface) { GetCurrentScreen()->Render(surface, 0, 0); }
void ModeStatus::onTouchUp(int x, int y, int id) { GetCurrentScreen()->OnTouchUp(x, y, id); }
void ModeStatus::onTouchDown(int x, int y, int id) { GetCurrentScreen()->OnTouchDown(x, y, id); }
void ModeStatus::onTouchMove(int x, int y, int id) { GetCurrentScreen()->OnTouchMove(x, y, id); }

void ModeStatus::keyPressed(int key)
{
    if (GetCurrentScreen()->CanReceiveEvents())
        GetCurrentScreen()->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

void ModeStatus::Press(int id)
{
    CGuiFrameTouchButton button(id);
    buttonSelected(&button);
}

int ModeStatus::l_BackKeyPressed(lua_State*)
{
    Press(Back);
    return 0;
}

int ModeStatus::l_InvestButtonPressed(lua_State*)
{
    Press(Invest);
    return 0;
}

int ModeStatus::l_STWButtonPressed(lua_State*)
{
    Press(Cards);
    return 0;
}

int ModeStatus::l_UpArrowPressed(lua_State*)
{
    Step(-1);
    return 0;
}

int ModeStatus::l_DownArrowPressed(lua_State*)
{
    Step(1);
    return 0;
}

int ModeStatus::l_LeftArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToPrev();
    return 0;
}

int ModeStatus::l_RightArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToNext();
    return 0;
}
