// The choice screens on the real engine and mode stack, running the game's
// own scripts: the base's timeout and pop after the slides, the fork's
// answers and journal entries, the career and house cards, and the Share
// the Wealth choice and display.
#include "tests/qrvl/menu/ScreenProbe.h"
#include "tests/qrvl/menu/ScriptedModesTest.h"

#include "norv/base/Lua.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/HudTransitions.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/rules/ShareTheWealthCardPile.h"
#include "qrvl/original/rules/StarterHouseCardPile.h"
#include "qrvl/original/frontend/EventCard.h"
#include "qrvl/original/frontend/ModeBranch.h"
#include "qrvl/original/frontend/ModeChooseCareer.h"
#include "qrvl/original/frontend/ModeChooseHouse.h"
#include "qrvl/original/frontend/ModeChoosePath.h"
#include "qrvl/original/frontend/ModeChooseShareTheWealth.h"
#include "qrvl/original/frontend/ModeChooseSmallCard.h"
#include "qrvl/original/frontend/ModeShowShareTheWealth.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ScreenProbe::Script;
using ScreenProbe::Shown;
using ScreenProbe::Text;

// A choice screen with only the base's rules and a screen that can slide.
class BareChoice : public ModeChoose {
public:
    BareChoice() { screen = new qrvl::TranslatableScreen(0, nullptr); }
    void tick() override
    {
        UpdateScreen();
        ModeChoose::tick();
    }
};

class ChoiceModesTest : public ScriptedModesTest {
protected:
    void SetUp() override
    {
        ScriptedModesTest::SetUp();
        player.init(0, "Ann", 1, false, false, &car, 1);
        player.CreateJournal();
    }

    // Ticks until the slides of the screens are over.
    void Settle()
    {
        for (int i = 0; i < 100 && qrvl::HudTransitions::GetRunning() != 0; ++i)
            Tick();
    }


    std::vector<unsigned> JournalIds() const
    {
        std::vector<unsigned> ids;
        for (int i = 0; i < player.getJournal()->getEntryCount(); ++i)
            ids.push_back(player.getJournal()->getEntryId(i));
        return ids;
    }

    Car car;
    Player player;
};

TEST_F(ChoiceModesTest, WithoutATimeoutTheScreenNeverClosesByItself)
{
    auto* choice = new BareChoice;
    choice->init(ModeChoose::kNoTimeout);
    Push(choice);
    for (int i = 0; i < 200; ++i)
        Tick(500);
    EXPECT_EQ(Top(), choice);
}

TEST_F(ChoiceModesTest, ATimeoutDuringASlidePopsAtTheFirstTickAfterIt)
{
    engine->lastChoice = 7;
    auto* choice = new BareChoice;
    choice->init(100);
    Push(choice);
    choice->GetScreen()->FadeOut();
    Tick(200);
    ASSERT_EQ(Top(), choice) << "the timeout ran out while the screen slides";
    int ms = 200;
    while (Top() == choice && ms < 5000) {
        Tick(50);
        ms += 50;
    }
    EXPECT_NE(Top(), choice);
    // Popped once the slide was over, and no later than the tick after.
    EXPECT_GE(ms, static_cast<int>(qrvl::g_fadeTime * 1000));
    EXPECT_LE(ms, static_cast<int>(qrvl::g_fadeTime * 1000) + 100);
    EXPECT_EQ(engine->lastChoice, 7);
}

TEST_F(ChoiceModesTest, NoPopInTheTickInWhichTheSlideOutStarts)
{
    auto* choice = new BareChoice;
    choice->init(ModeChoose::kNoTimeout);
    Push(choice);
    Settle();
    choice->GetScreen()->FadeOut();
    choice->PopWhenReady();
    Tick(1);
    EXPECT_EQ(Top(), choice);
    Settle();
    Tick();
    EXPECT_NE(Top(), choice);
}

TEST_F(ChoiceModesTest, ForksAnswerAndWriteTheWayTakenIntoTheJournal)
{
    struct Case {
        int type;
        int id;
        int answer;
        char const* entry; // null: no entry
    };
    Case const cases[] = {
        {0, 0, 0, "je_school_return"},       {0, 1, 1, "je_path_of_quorvel"},
        {0, -1, -1, "je_path_of_quorvel"},   {1, 0, 0, nullptr},
        {1, 1, 1, nullptr},                  {2, 0, 0, "je_family_path"},
        {2, 1, 1, "je_path_of_quorvel_family"}, {3, 1, 0, "je_safe_path"},
        {3, 0, 1, "je_risky_path"},          {3, 5, 1, "je_risky_path"},
        {4, 0, 0, "je_millionaire_mansion"}, {4, 1, 1, "je_country_estate"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " id " + std::to_string(c.id));
        size_t const before = JournalIds().size();
        player.setPendingJournalEvent(0);
        qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudOn);
        auto* fork = new ModeBranch;
        fork->init(static_cast<Branch::BranchType>(c.type), &player, nullptr, nullptr);
        Push(fork);
        // Both bars leave while a fork is asked.
        EXPECT_EQ(qrvl::GuifHudManager::GetHudManager().GetHudMode(), kHudBothOff);
        Script(fork->GetScreen(), "callback:PathChosen(" + std::to_string(c.id) + ")");
        Tick();
        EXPECT_NE(Top(), fork);
        EXPECT_EQ(engine->lastChoice, c.answer);
        std::vector<unsigned> const ids = JournalIds();
        if (c.entry) {
            ASSERT_EQ(ids.size(), before + 1);
            EXPECT_EQ(ids.back(), PlayerJournal::hashName(c.entry));
        } else {
            EXPECT_EQ(ids.size(), before);
        }
    }
}

TEST_F(ChoiceModesTest, AScreenAnsweredWhileSlidingInLeavesNoSlideRunning)
{
    int const before = qrvl::HudTransitions::GetRunning();
    auto* fork = new ModeBranch;
    fork->init(Branch::StartPath, &player, nullptr, nullptr);
    Push(fork);
    ASSERT_EQ(qrvl::HudTransitions::GetRunning(), before + 1);
    Script(fork->GetScreen(), "callback:PathChosen(1)");
    Tick();
    ASSERT_NE(Top(), fork);
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), before);
}

// A slide of another screen still counted (a screen covered before its slide
// ended is not ticked) must not keep the retirement question from its taps.
TEST_F(ChoiceModesTest, TheRetirementForkTakesATapWhileAnotherScreensSlideIsCounted)
{
    qrvl::TranslatableScreen covered(0, nullptr);
    covered.FadeIn();
    auto* fork = new ModeBranch;
    fork->init(Branch::RetirementHome, &player, "S_GAIN_QUORVEL_CARD_I3D", "S_GAIN_NO_QUORVEL_CARD_I3D");
    Push(fork);
    // The right-hand way's corner, where a tap takes it.
    Norv::RectT<int> const way = fork->GetScreen()->FindControl("RightButton")->GetBoundingBoxAbsolute();
    auto tap = [&] {
        fork->onTouchDown(way.x, way.y, 0);
        fork->onTouchUp(way.x, way.y, 0);
    };
    // A tap during the fork's own slide is lost.
    tap();
    ASSERT_EQ(Top(), fork);
    for (int i = 0; i < 20; ++i)
        Tick();
    ASSERT_TRUE(qrvl::GuifHudManager::GetHudManager().IsTransitioning());
    tap();
    Tick();
    EXPECT_NE(Top(), fork);
    EXPECT_EQ(engine->lastChoice, 1);
    EXPECT_EQ(JournalIds().back(), PlayerJournal::hashName("je_country_estate"));
}

TEST_F(ChoiceModesTest, ChangingCareerLeavesTheJournalEventForTheNextJob)
{
    auto* fork = new ModeBranch;
    fork->init(Branch::ChangeCareer, &player, nullptr, nullptr);
    Push(fork);
    Script(fork->GetScreen(), "callback:PathChosen(0)");
    EXPECT_EQ(player.getPendingJournalEvent(), PlayerJournal::hashName("je_change_career"));
}

TEST_F(ChoiceModesTest, TheRetirementForkHidesTheStopSignAndMissingDetails)
{
    auto* fork = new ModeBranch;
    fork->init(Branch::RetirementHome, &player, "S_YOU_RETIRE_LEFT", nullptr);
    Push(fork);
    EXPECT_FALSE(Shown(fork->GetScreen(), "StopSign"));
    EXPECT_TRUE(Shown(fork->GetScreen(), "LeftFrameDetails"));
    EXPECT_FALSE(Shown(fork->GetScreen(), "RightFrameDetails"));
}

TEST_F(ChoiceModesTest, AnUnknownForkTakesTheFirstWay)
{
    engine->lastChoice = 9;
    auto* fork = new ModeBranch;
    fork->init(static_cast<Branch::BranchType>(7), &player, nullptr, nullptr);
    Push(fork);
    Tick();
    EXPECT_NE(Top(), fork);
    EXPECT_EQ(engine->lastChoice, 0);
}

TEST_F(ChoiceModesTest, AFamilyEventsCardHiddenWhileSlidingInLeavesNoSlideRunning)
{
    int const before = qrvl::HudTransitions::GetRunning();
    EventCard card;
    card.Show("S_HAD_TWINS", "SBT", "menu/gfx/JNL_Twins.png@linear");
    ASSERT_TRUE(card.IsShown());
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), before + 1);
    EXPECT_TRUE(Shown(card.GetScreen(), "EventIcon"));
    // The board hides the card on its own timer, slide or not.
    card.Hide();
    EXPECT_FALSE(card.IsShown());
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), before);
}

TEST_F(ChoiceModesTest, ASecondPathAnswerDuringTheSlideOutWins)
{
    auto* path = new ModeChoosePath;
    path->init();
    Push(path);
    Settle();
    Script(path->GetScreen(), "callback:PathChosen(0)");
    Tick(1);
    ASSERT_EQ(Top(), path);
    Script(path->GetScreen(), "callback:PathChosen(1)");
    Settle();
    Tick();
    EXPECT_NE(Top(), path);
    EXPECT_EQ(engine->lastChoice, 1);
}

TEST_F(ChoiceModesTest, OneCareerCardIsConfirmedWhateverTheScriptPasses)
{
    std::unique_ptr<CareerCard> card(CareerCard::create(1));
    auto* cards = new ModeChooseCareer;
    cards->init(ModeChoose::kNoTimeout);
    cards->ShowJob(card.get());
    Push(cards);
    Script(cards->GetScreen(), "callback:CareerSelected(1)");
    Tick();
    EXPECT_NE(Top(), cards);
    EXPECT_EQ(engine->lastChoice, ModeChooseCareer::kConfirmed);
    // A career without a top salary says so after the label.
    EXPECT_EQ(ModeChooseCareer::MaxSalaryText(*card), "S_MAX S_NONE");
}

TEST_F(ChoiceModesTest, TwoCareerCardsAnswerTheIndexAndAMissingCardShowsNothing)
{
    std::unique_ptr<CareerCard> left(CareerCard::create(6));
    std::unique_ptr<CareerCard> right(CareerCard::create(7));
    auto* cards = new ModeChooseCareer;
    cards->init(ModeChoose::kNoTimeout);
    cards->SetCards(left.get(), right.get());
    Push(cards);
    EXPECT_TRUE(Shown(cards->GetScreen(), "RightCard"));
    Script(cards->GetScreen(), "callback:CareerSelected(1)");
    Tick();
    EXPECT_EQ(engine->lastChoice, 1);

    auto* empty = new ModeChooseCareer;
    empty->init(ModeChoose::kNoTimeout);
    empty->ShowJob(nullptr);
    Push(empty);
    EXPECT_FALSE(Shown(empty->GetScreen(), "LeftCard"));
}

TEST_F(ChoiceModesTest, SmallCardsAskForOneOrTwoAndNoneCloseAtOnce)
{
    EXPECT_EQ(ModeChooseSmallCard::CardsToPick(1, 6), 1);
    EXPECT_EQ(ModeChooseSmallCard::CardsToPick(0, 1), 1);
    EXPECT_EQ(ModeChooseSmallCard::CardsToPick(0, 6), 2);
    EXPECT_EQ(ModeChooseSmallCard::CardsToPick(0, 0), 0);

    auto* none = new ModeChooseSmallCard;
    none->init(0, 0);
    Push(none);
    Tick();
    EXPECT_NE(Top(), none);

    auto* two = new ModeChooseSmallCard;
    two->init(0, 6);
    Push(two);
    EXPECT_EQ(Text(two->GetScreen(), "FrameHeader"), "S_CHOOSE_TWO_CAREERS");
    Script(two->GetScreen(), "callback:CardSelected(2)");
    for (int i = 0; i < 20; ++i)
        Tick();
    ASSERT_EQ(Top(), two) << "one of two cards picked";
    Script(two->GetScreen(), "callback:CardSelected(4)");
    for (int i = 0; i < 40 && Top() == two; ++i)
        Tick();
    EXPECT_NE(Top(), two);
}

class HouseChoiceTest : public ChoiceModesTest {
protected:
    void SetUp() override
    {
        ChoiceModesTest::SetUp();
        pile.init();
    }

    ModeChooseHouse* Open(int timeoutMs = ModeChoose::kNoTimeout)
    {
        auto* houses = new ModeChooseHouse;
        houses->init(&pile, &player, timeoutMs);
        Push(houses);
        Settle();
        return houses;
    }

    StarterHouseCardPile pile;
};

TEST_F(HouseChoiceTest, ADearHouseShowsTheLoanAndIsBoughtOutOfThePile)
{
    player.transactCash(100000 - player.getCash());
    int const cards = pile.getNumCards();
    ModeChooseHouse* houses = Open();
    // The second house (the condo) costs more than the cash, the first does not.
    EXPECT_FALSE(Shown(houses->GetScreen(), "House1LoanNeeded"));
    EXPECT_TRUE(Shown(houses->GetScreen(), "House3LoanNeeded"));
    EXPECT_TRUE(Shown(houses->GetScreen(), "BuyButton"));

    auto scroll = [&] {
        Script(houses->GetScreen(), "callback:RightArrowPressed()");
        for (int i = 0; i < 60 && houses->GetCarousel()->IsMoving(); ++i)
            Tick();
    };
    scroll();
    Script(houses->GetScreen(), "callback:RightArrowPressed()");
    Script(houses->GetScreen(), "callback:BuyKeyPressed()");
    EXPECT_EQ(player.getHouse(), nullptr) << "no purchase while the carousel scrolls";
    for (int i = 0; i < 60 && houses->GetCarousel()->IsMoving(); ++i)
        Tick();
    Script(houses->GetScreen(), "callback:BuyKeyPressed()");
    Tick();
    EXPECT_NE(Top(), houses);
    ASSERT_NE(player.getHouse(), nullptr);
    EXPECT_EQ(player.getHouse()->id, 2);
    EXPECT_GT(player.getLoans(), 0);
    EXPECT_EQ(pile.getNumCards(), cards - 1);
    for (Card* card = pile.getCards(); card; card = card->next)
        EXPECT_NE(card, player.getHouse());
}

TEST_F(HouseChoiceTest, ASwipeScrollsTheHousesAndATapDoesNot)
{
    ModeChooseHouse* houses = Open();
    auto swipe = [&](int fromX, int toX) {
        houses->onTouchDown(fromX, 300, 0);
        houses->onTouchUp(toX, 300, 0);
        for (int i = 0; i < 60 && houses->GetCarousel()->IsMoving(); ++i)
            Tick();
        return houses->GetCarousel()->GetCurrentFocus();
    };
    EXPECT_EQ(swipe(600, 400), 1);
    EXPECT_EQ(swipe(600, 590), 1);
    EXPECT_EQ(swipe(400, 600), 0);
    EXPECT_EQ(swipe(400, 600), houses->GetItemCount() - 1) << "the houses wrap round";
}

TEST_F(HouseChoiceTest, TheHousesWrapRoundSoBothArrowsShowAtEveryHouse)
{
    ModeChooseHouse* houses = Open();
    ASSERT_GE(houses->GetItemCount(), 3);
    auto bothArrows = [&] {
        return Shown(houses->GetScreen(), "LeftArrow") && Shown(houses->GetScreen(), "RightArrow");
    };
    EXPECT_TRUE(bothArrows()) << "at the first house";
    for (char const* press :
         {"callback:LeftArrowPressed()", "callback:RightArrowPressed()", "callback:RightArrowPressed()"}) {
        Script(houses->GetScreen(), press);
        for (int i = 0; i < 60 && houses->GetCarousel()->IsMoving(); ++i) {
            Tick();
            EXPECT_TRUE(bothArrows()) << press << " at offset " << houses->GetCarousel()->GetOffset();
        }
    }
    EXPECT_EQ(houses->GetCarousel()->GetCurrentFocus(), 1);
}

TEST_F(HouseChoiceTest, AnEmptyPileSaysSoAndClosesWithoutBuying)
{
    while (Card* card = pile.drawOne(true))
        delete card;
    int const cash = player.getCash();
    ModeChooseHouse* houses = Open();
    EXPECT_TRUE(Shown(houses->GetScreen(), "NoHouseLeft"));
    EXPECT_FALSE(Shown(houses->GetScreen(), "BuyButton"));
    houses->onTouchUp(10, 10, 0);
    Tick();
    EXPECT_NE(Top(), houses);
    EXPECT_EQ(player.getHouse(), nullptr);
    EXPECT_EQ(player.getCash(), cash);
}

TEST_F(HouseChoiceTest, AComputerPlayersHouseIsShownUntilTheTimeout)
{
    player.init(0, "Bob", 0, true, false, &car, 0);
    auto* card = static_cast<HouseCard*>(pile.drawOne(true));
    player.buyHouse(card);
    auto* houses = new ModeChooseHouse;
    houses->init(&pile, &player, 3000);
    houses->ShowHouse(card);
    Push(houses);
    EXPECT_TRUE(houses->IsShowOnly());
    EXPECT_FALSE(Shown(houses->GetScreen(), "BuyButton"));
    EXPECT_FALSE(Shown(houses->GetScreen(), "House2"));
    for (int i = 0; i < 80 && Top() == houses; ++i)
        Tick();
    EXPECT_NE(Top(), houses);
    EXPECT_EQ(player.getHouse(), card);
}

class ShareTheWealthTest : public ChoiceModesTest {
protected:
    void SetUp() override
    {
        ChoiceModesTest::SetUp();
        pile.init();
    }

    std::vector<int> PlayerCards() const
    {
        std::vector<int> ids;
        for (Card* card = player.getShareTheWealthCards(); card; card = card->next)
            ids.push_back(card->id);
        return ids;
    }

    // Ticks until the screen has gone, at most two seconds.
    void UntilClosed(FGMode* mode)
    {
        for (int i = 0; i < 40 && Top() == mode; ++i)
            Tick();
    }

    ShareTheWealthCardPile pile;
};

TEST_F(ShareTheWealthTest, ThePlayerKeepsTheThreePickedCardsAndThePileGetsTheOthersBack)
{
    int const cards = pile.getNumCards();
    auto* choice = new ModeChooseShareTheWealth;
    choice->init(&pile, &player);
    Push(choice);
    EXPECT_EQ(Text(choice->GetScreen(), "FrameHeader"), "S_CHOOSE_SHARE_THE_WEALTH");
    std::vector<Card*> const expected = {choice->GetCard(4), choice->GetCard(0), choice->GetCard(2)};
    Script(choice->GetScreen(), "callback:CardSelected(4) callback:CardSelected(0) callback:CardSelected(2)");
    Script(choice->GetScreen(), "callback:CardSelected(1) callback:CardSelected(5)");
    UntilClosed(choice);
    EXPECT_NE(Top(), choice);
    std::vector<Card*> held;
    for (Card* card = player.getShareTheWealthCards(); card; card = card->next)
        held.push_back(card);
    EXPECT_EQ(held, expected);
    EXPECT_EQ(pile.getNumCards(), cards - 3);
}

TEST_F(ShareTheWealthTest, WithFourCardsLeftThreeArePicked)
{
    while (pile.getNumCards() > 4)
        delete pile.drawOne(true);
    auto* choice = new ModeChooseShareTheWealth;
    choice->init(&pile, &player);
    Push(choice);
    EXPECT_TRUE(Shown(choice->GetScreen(), "Card4Frame"));
    EXPECT_FALSE(Shown(choice->GetScreen(), "Card5Frame"));
    Script(choice->GetScreen(), "callback:CardSelected(3) callback:CardSelected(1) callback:CardSelected(0)");
    UntilClosed(choice);
    EXPECT_EQ(PlayerCards().size(), 3u);
    EXPECT_EQ(pile.getNumCards(), 1);
}

TEST_F(ShareTheWealthTest, CardPicturesFollowTheMoneyOfTheTextLanguage)
{
    struct Case {
        int kind;
        char const* language;
        char const* picture;
    };
    Case const cases[] = {
        {ShareTheWealthCard::kExemption, "en_am", "menu/gfx/stwCardEx.png@linear"},
        {ShareTheWealthCard::kExemption, "en", "menu/gfx/stwCardExPound.png@linear"},
        {ShareTheWealthCard::kExemption, "fr", "menu/gfx/stwCardExEuro.png@linear"},
        {ShareTheWealthCard::kSharePay, "en_am", "menu/gfx/stwCardPay.png@linear"},
        {ShareTheWealthCard::kShareCollect, "de", "menu/gfx/stwCardEuro.png@linear"},
        {ShareTheWealthCard::kSpinFour, "en", "menu/gfx/stwCardSpin.png@linear"},
        {ShareTheWealthCard::kNoCard, "it", "menu/gfx/stwCardExSpin.png@linear"},
    };
    for (Case const& c : cases)
        EXPECT_STREQ(ModeShowShareTheWealth::PictureOf(c.kind, c.language), c.picture) << c.kind << c.language;
    EXPECT_EQ(ModeShowShareTheWealth::PictureOf(42, "en"), nullptr);
}

TEST_F(ShareTheWealthTest, TheDisplayFillsTheFramesInListOrderAndClosesOnOK)
{
    for (int i = 0; i < 3; ++i)
        player.addShareTheWealth(static_cast<ShareTheWealthCard*>(pile.drawOne(true)));
    auto* display = new ModeShowShareTheWealth;
    display->init(player.getShareTheWealthCards());
    Push(display);
    EXPECT_TRUE(Shown(display->GetScreen(), "STW3"));
    EXPECT_FALSE(Shown(display->GetScreen(), "STW4"));
    EXPECT_EQ(display->GetCarousel()->GetCurrentFocus(), 0);
    EXPECT_FALSE(Shown(display->GetScreen(), "BackButton"));
    Script(display->GetScreen(), "callback:ConfirmKeyPressed()");
    UntilClosed(display);
    EXPECT_NE(Top(), display);
}

TEST_F(ShareTheWealthTest, OneCardWithATimeoutClosesByItself)
{
    std::unique_ptr<ShareTheWealthCard> card(ShareTheWealthCard::create(ShareTheWealthCard::kSpinTwice));
    auto* display = new ModeShowShareTheWealth;
    display->init(card.get(), 1000);
    Push(display);
    UntilClosed(display);
    EXPECT_NE(Top(), display);
}

} // namespace
