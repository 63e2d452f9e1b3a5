// The retirement screen.
#include "qrvl/original/frontend/ModeRetire.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/TurnRules.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/frontend/ModeBranch.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/GameUtil.h"

#include <string>

namespace {

constexpr char const* kScript = "menu/retire.lua";
// How long each step of the retirement is shown.
constexpr int kCentreMs = 1000;
constexpr int kJumpMs = 4000;
constexpr int kHomeShownMs = 3000;
constexpr int kRevealMs = 1000;
constexpr int kCarFadeMs = 700;

char const* Text(char const* id) { return FGStringManager::getString(id); }

} // namespace

char const ModeRetire::className[] = "ModeRetire";

Norv::Lunar<ModeRetire>::RegType ModeRetire::methods[] = {
    {"OKKeyPressed", &ModeRetire::l_OKKeyPressed},
    {nullptr, nullptr},
};

ModeRetire::ModeRetire() { timer.start(0); }

ModeRetire::~ModeRetire() { screen.Release(); }

void ModeRetire::init(Player* retiring, Hud* gameHud, QuorvelCard** tiles)
{
    player = retiring;
    hud = gameHud;
    remainingTiles = tiles;
    if (hud) {
        hud->setLeftPlayer(nullptr);
        hud->setRightPlayer(nullptr);
    }
    state = Start;
    timer.start(0);
    revealCounter = home = children = worth = -1;
    tileGiven = carFaded = false;
    resetPlayer();
}

int ModeRetire::calcNetWorth(Player* who, bool withTiles)
{
    return who ? TurnRules::RetirementWorth(*who, withTiles) : 0;
}

int ModeRetire::calcQuorvelCardWorth(Player* who)
{
    return calcNetWorth(who, true) - calcNetWorth(who, false);
}

std::string ModeRetire::tileCountText(Player const* who)
{
    return "x " + std::to_string(who ? who->getNumQuorvelCards() : 0);
}

void ModeRetire::takeLargestQuorvelToken(Player* who, QuorvelCard** list)
{
    if (!who)
        return;
    QuorvelCard* tile = TurnRules::TakeLargestTile(*who, list);
    if (tile)
        GameScreens::Get().presenter().enterQuorvelCardTransferFromBank(who->isComputer() ? 0 : tile->value);
}

void ModeRetire::resetPlayer()
{
    Car* car = player ? player->getCar() : nullptr;
    if (!car)
        return;
    car->Fade(false, 0);
    GameScreens::Get().presenter().panToCar(car);
}

void ModeRetire::chooseHome()
{
    state = ChoosingHome;
    bool const tilesLeft = remainingTiles && *remainingTiles;
    ModeBranch* question = new ModeBranch;
    question->init(Branch::RetirementHome, player,
                   tilesLeft ? "S_GAIN_QUORVEL_CARD_I3D" : "S_GAIN_NO_QUORVEL_CARD_UNSAFE_I3D",
                   "S_GAIN_NO_QUORVEL_CARD_I3D");
    qrvl::PushMode(question);
}

void ModeRetire::centreOnPeg()
{
    // The driver stands beside the car, so the camera goes to the car.
    if (player && player->getCar())
        GameScreens::Get().presenter().panToCar(player->getCar());
    timer.start(kCentreMs);
    state = CentringOnPeg;
}

void ModeRetire::animToHome()
{
    state = PegJumping;
    timer.start(kJumpMs);
}

void ModeRetire::handleQuorvelToken()
{
    tileGiven = false;
    if (home == FirstHome && remainingTiles && *remainingTiles) {
        takeLargestQuorvelToken(player, remainingTiles);
        tileGiven = true;
    }
}

void ModeRetire::showHome()
{
    timer.start(kHomeShownMs);
    state = PauseBeforeStatement;
}

void ModeRetire::showStats()
{
    // Made only now: a screen sliding in unseen would hold back the home question's taps.
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, kScript);
    int const character = player->getCharacter();
    qrvl::SetSpriteImage(screen.Get(), "PlayerImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, character));
    qrvl::SetSpriteImage(screen.Get(), "SliderImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, character));
    qrvl::SetSpriteImage(screen.Get(), "PlayerImageBkg",
                         PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, player->getColor()));
    qrvl::SetLineText(screen.Get(), "PlayerName", player->getName(), true);
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->positiveSoftkeyShow(false);
    state = Statement;
    timer.start(kRevealMs);
    revealCounter = 0;
    worth = calcNetWorth(player, false);
    children = player->getNumChildren();
    fillStatement();
}

void ModeRetire::fillStatement()
{
    Guif::Screen* shown = screen.Get();
    auto line = [&](char const* name, int from, std::string const& text) {
        qrvl::SetLineText(shown, name, revealCounter >= from ? text : std::string(), true);
    };
    qrvl::SetLineText(shown, "RetireHeader", Text(home == FirstHome ? "S_MILLION" : "S_COUNT"), true);
    HouseCard const* house = player->getHouse();
    line("BankLabel", BankLine, GameUtil::getMoneyString(player->getCash()));
    line("KidLabel", KidLine, GameUtil::getMoneyString(children * TurnRules::kWorthPerChild));
    line("HouseLabel", HouseLine, GameUtil::getMoneyString(house ? house->price : 0));
    line("LoanLabel", LoanLine, GameUtil::getMoneyString(-player->getLoans() * TurnRules::kWorthPerLoan));
    line("TotalNetValue", TotalLine, GameUtil::getMoneyString(worth));
    line("QuorvelLabel", TileLine, tileCountText(player));
}

void ModeRetire::tick()
{
    switch (state) {
    case Start:
        chooseHome();
        break;
    case CentringOnPeg:
        if (timer.isOver()) {
            handleQuorvelToken();
            animToHome();
        }
        break;
    case PegJumping:
        if (timer.isOver() && !carFaded) {
            carFaded = true;
            if (player->getCar())
                player->getCar()->Fade(true, kCarFadeMs);
            showHome();
        }
        break;
    case PauseBeforeStatement:
        if (timer.isOver())
            showStats();
        break;
    case Statement:
        screen->Update(qrvl::LastFrameMs() * 0.001);
        if (timer.isOver() && revealCounter < TileLine) {
            ++revealCounter;
            timer.start(kRevealMs);
            fillStatement();
        }
        break;
    default:
        break;
    }
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (player && player->getCar() && engine)
        player->getCar()->Tick(engine->getTickTime());
    if (hud)
        hud->tick();
}

void ModeRetire::drawSelf(Norv::Surface* surface)
{
    if (state == Statement && screen)
        screen->Render(surface, 0, 0);
}

void ModeRetire::activate()
{
    QuorvelMode::activate();
    qrvl::HideSoftkeys();
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (state == ChoosingHome && engine) {
        home = engine->lastChoice == FirstHome ? FirstHome : SecondHome;
        centreOnPeg();
    }
}

void ModeRetire::deactivate()
{
    QuorvelMode::deactivate();
    qrvl::HideSoftkeys();
}

void ModeRetire::buttonSelected(CGuiFrameTouchButton*)
{
    if (state == Statement) {
        qrvl::PopMode();
        player->retire(home);
    } else if (state == PauseBeforeStatement) {
        showStats();
    }
}

void ModeRetire::onTouchDown(int x, int y, int id)
{
    if (state == Statement)
        screen->OnTouchDown(x, y, id);
}

void ModeRetire::onTouchUp(int x, int y, int id)
{
    // Before the statement, a tap anywhere is the button that brings it.
    if (state == Statement)
        screen->OnTouchUp(x, y, id);
    else if (state == PauseBeforeStatement)
        showStats();
}

void ModeRetire::keyPressed(int key)
{
    if (state == Statement)
        screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
    else if (state == PauseBeforeStatement)
        showStats();
}

int ModeRetire::l_OKKeyPressed(lua_State*)
{
    CGuiFrameTouchButton button(OK);
    buttonSelected(&button);
    return 0;
}
