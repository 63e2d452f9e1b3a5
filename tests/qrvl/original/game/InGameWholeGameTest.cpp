// Whole games played through the in-game mode on the engine's mode stack:
// a single game of a person and computer players and a pass-and-play game
// to the end, the saved game written after every turn, and a game
// continued after the program was started again.
#include "InGameFixture.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/ModeInstantAnswer.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/game/ModePassNPlay.h"
#include "qrvl/original/game/PNPPlayerInfo.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxTicks = 400000;

// The current player as the saved body holds it: the int after the version.
int savedCurrentPlayer(const std::string& file)
{
    if (file.size() < 8)
        return -1;
    uint32_t value = 0;
    for (int i = 4; i < 8; ++i)
        value = value << 8 | static_cast<unsigned char>(file[i]);
    return static_cast<int>(value);
}

struct PlayerSnapshot {
    std::string name;
    int cash;
    int space;
    bool computer;
    bool operator==(const PlayerSnapshot& other) const
    {
        return name == other.name && cash == other.cash && space == other.space && computer == other.computer;
    }
};

std::vector<PlayerSnapshot> snapshot(const ModeGame* game)
{
    std::vector<PlayerSnapshot> players;
    for (int i = 0; i < game->getNumPlayers(); ++i) {
        const Player* player = game->getPlayer(i);
        players.push_back({player->getName(), player->getCash(), player->getBoardSpaceIdx(), player->isComputer()});
    }
    return players;
}

} // namespace

TEST_F(InGameTest, ASingleGameIsPlayedToTheEndAndItsSavedGameDeleted)
{
    StartProgram(11);
    ModeGame* game = Launch(QuorvelEngine::GameModeSingle, false);
    ASSERT_NE(game, nullptr);

    int turns = 0;
    int lastPlayer = -1;
    bool everyTurnSaved = true;
    for (int i = 0; i < kMaxTicks; ++i) {
        if (!Play())
            break;
        ModeGame* now = Game();
        if (!now || now->isSpinningForFirst() || now->getNumPlayers() == 0)
            continue;
        if (now->getCurrentPlayerIndex() != lastPlayer) {
            lastPlayer = now->getCurrentPlayerIndex();
            ++turns;
            if (now->getCurrState() != ModeGame::GameOver)
                everyTurnSaved = everyTurnSaved && savedCurrentPlayer(SavedFile("quorvel.sav")) == lastPlayer;
        }
    }
    EXPECT_EQ(Game(), nullptr) << "the game never ended";
    // The game hands the stack over to the main menu: the one mode left.
    ASSERT_NE(screens->mainMenu, nullptr);
    EXPECT_EQ(engine->getModeManager()->getCurrentMode(), screens->mainMenu);
    EXPECT_EQ(engine->getModeManager()->getNumModes(), 1);
    EXPECT_GT(turns, 20);
    EXPECT_TRUE(everyTurnSaved);
    EXPECT_FALSE(SavedExists("quorvel.sav"));

    // Set-up, tutorial, spin for first, first-round choices, turns and the end.
    for (int state : {ModeGame::Tutorial, ModeGame::ShareTutorial, ModeGame::FirstSpinTutorial,
                      ModeGame::FirstActionTutorial, ModeGame::ComputerSpin, ModeGame::Wheel, ModeGame::Spinning,
                      ModeGame::MoveDone, ModeGame::ComputerCollege, ModeGame::ComputerCareer})
        EXPECT_TRUE(statesVisited.count(state)) << "state " << state;
    for (const char* screen : {"setup", "share", "path", "endgame"})
        EXPECT_TRUE(screens->pushedAny(screen)) << screen;
    EXPECT_EQ(screens->endCount, 4);
    EXPECT_TRUE(screens->endAllRetired);
    EXPECT_EQ(screens->journalsEndingRetired.size(), 4u);
    for (const char* announcement : {"S_PLYR_FIRST", "S_AI_FIRST", "S_PLY_TRN", "S_TURN_2_SPIN", "S_AICAREER"})
        EXPECT_TRUE(hud->saw(announcement)) << announcement;
    EXPECT_TRUE(engine->isTutorialDone());
}

TEST_F(InGameTest, TheSameSeedPlaysTheSameGame)
{
    auto play = [this](unsigned seed) {
        StartProgram(seed);
        Launch(QuorvelEngine::GameModeSingle, false);
        hud->messages.clear();
        EXPECT_TRUE(PlayToEnd(kMaxTicks));
        StopProgram();
        return hud->messages;
    };
    std::vector<std::string> first = play(5);
    EXPECT_EQ(first, play(5));
    EXPECT_NE(first, play(6));
}

TEST_F(InGameTest, AGameContinuesAfterTheProgramStartsAgain)
{
    StartProgram(3);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    // Play until a few turns after the first round, then stop right after a save.
    int changes = 0;
    int lastPlayer = -1;
    std::vector<PlayerSnapshot> before;
    int current = -1;
    for (int i = 0; i < kMaxTicks && changes < 12; ++i) {
        ASSERT_TRUE(Play());
        ModeGame* game = Game();
        if (!game || game->isSpinningForFirst() || game->getNumPlayers() == 0 || game->isFirstRound())
            continue;
        if (game->getCurrentPlayerIndex() != lastPlayer) {
            lastPlayer = game->getCurrentPlayerIndex();
            ++changes;
            before = snapshot(game);
            current = lastPlayer;
        }
    }
    ASSERT_EQ(changes, 12);
    std::string saved = SavedFile("quorvel.sav");
    StopProgram();
    ASSERT_EQ(SavedFile("quorvel.sav"), saved);

    StartProgram(4);
    ModeGame* game = Launch(QuorvelEngine::GameModeSingle, true);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->getCurrentPlayerIndex(), current);
    EXPECT_FALSE(game->isFirstRound());
    EXPECT_EQ(snapshot(game), before);
    EXPECT_TRUE(PlayToEnd(kMaxTicks));
    EXPECT_FALSE(SavedExists("quorvel.sav"));
}

TEST_F(InGameTest, AnUnreadableSavedGameGivesANewGame)
{
    StartProgram(1);
    folder.Write("Quorvel/quorvel.sav", std::string("\0\0\0\5\0\0\0\7", 8));
    ModeGame* game = Launch(QuorvelEngine::GameModeSingle, true);
    ASSERT_NE(game, nullptr);
    EXPECT_FALSE(SavedExists("quorvel.sav"));
}

// A pause menu on which the player confirms quitting, and a set-up that
// the player may leave (Back, then Yes).
class QuitFromPause : public RecordingScreens {
public:
    void pushPause(Player*, Hud*) override { ModeInstantAnswer::push([]() { return -3; }); }
    void pushSetUp(Player** players, Hud* hud, char* name, int nameBytes) override
    {
        if (leaveSetUp)
            ModeInstantAnswer::push([]() { return -3; });
        else
            RecordingScreens::pushSetUp(players, hud, name, nameBytes);
    }
    bool leaveSetUp = false;
};

TEST_F(InGameTest, QuittingANewGameBeforeItsFirstSaveLeavesTheGameItWasToReplace)
{
    auto* quitting = new QuitFromPause;
    UseScreens(quitting);
    CGuiFrameTouchButton pause(ModeGame::kButtonPause);
    struct Case {
        char const* what;
        int stopAt;
        bool spinningForFirst;
        // Whether the new game had saved itself when the player quit.
        bool newGameSaved;
    };
    for (Case test : {Case{"the set-up left", ModeGame::NewGame, false, false},
                      Case{"the tutorial", ModeGame::Tutorial, true, false},
                      Case{"a computer's first spin", ModeGame::ComputerSpin, false, true}}) {
        quitting->leaveSetUp = test.stopAt == ModeGame::NewGame;
        StartProgram(2);
        folder.Write("Quorvel/quorvelpnp.sav", "old");
        // A set-up left at once ends the game before the launch sees it.
        ModeGame* launched = Launch(QuorvelEngine::GameModeSingle, false);
        if (!quitting->leaveSetUp) {
            ASSERT_NE(launched, nullptr);
            while (!Game() || Game()->getCurrState() != test.stopAt
                   || Game()->isSpinningForFirst() != test.spinningForFirst)
                ASSERT_TRUE(Play());
        }
        std::string saved = SavedFile("quorvel.sav");
        if (!quitting->leaveSetUp)
            engine->onButtonSelected(&pause);
        for (int i = 0; i < 5; ++i)
            Tick();
        EXPECT_EQ(Game(), nullptr) << test.what;
        EXPECT_NE(quitting->mainMenu, nullptr) << test.what << ": the game did not hand back to the menu";
        quitting->mainMenu = nullptr;
        EXPECT_EQ(SavedFile("quorvelpnp.sav"), test.newGameSaved ? "" : "old") << test.what;
        EXPECT_EQ(SavedExists("quorvel.sav"), test.newGameSaved) << test.what;
        if (test.newGameSaved) {
            EXPECT_EQ(SavedFile("quorvel.sav"), saved);
        }
        StopProgram();
    }
}

TEST_F(InGameTest, APassAndPlayGameHandsOverWithNoticesToTheEnd)
{
    UseScreens(new ThreePeople);
    StartProgram(21);
    ModeGame* game = Launch(QuorvelEngine::GameModePassAndPlay, false);
    ASSERT_NE(game, nullptr);
    ASSERT_NE(dynamic_cast<ModePassNPlay*>(game), nullptr);
    bool savedDuringHandOver = false;
    for (int i = 0; i < kMaxTicks; ++i) {
        if (!Play())
            break;
        auto* now = dynamic_cast<ModePassNPlay*>(Game());
        if (now && now->isHandOverPending()) {
            std::string file = SavedFile("quorvelpnp.sav");
            savedDuringHandOver = savedDuringHandOver || (!file.empty() && file[file.size() - 5] == '\1');
        }
    }
    EXPECT_EQ(Game(), nullptr) << "the game never ended";
    EXPECT_TRUE(screens->endAllRetired);
    EXPECT_EQ(screens->endCount, 3);
    EXPECT_TRUE(savedDuringHandOver);
    EXPECT_FALSE(SavedExists("quorvelpnp.sav"));
    for (int state : {ModeGame::HandOver, ModeGame::ShowEvents, ModeGame::TurnStart, ModeGame::Wheel,
                      ModeGame::Spinning, ModeGame::MoveDone})
        EXPECT_TRUE(statesVisited.count(state)) << "state " << state;
    EXPECT_FALSE(statesVisited.count(ModeGame::Tutorial));
    for (const char* message : {"Ann: S_PLYR_FIRST", "Cy: S_PLYR_FIRST", "Ann: S_IT_IS_NOW", "Ben: S_IT_IS_NOW",
                                "Cy: S_IT_IS_NOW", "Ann: S_PLY_TRN", "Cy: S_PLY_AGAIN"})
        EXPECT_TRUE(hud->saw(message)) << message;
}

// A wheel that stops on the numbers given, then on 7.
class FixedWheel : public BoardPresenter {
public:
    int getValuePointedTo() override
    {
        if (numbers.empty())
            return 7;
        int value = numbers.front();
        numbers.erase(numbers.begin());
        return value;
    }
    std::vector<int> numbers;
};

class FixedWheelScreens : public RecordingScreens {
public:
    BoardPresenter& presenter() override { return wheel; }
    FixedWheel wheel;
};

TEST_F(InGameTest, TheHighestSpinPlaysFirstAndTiesGoToTheEarlierSeat)
{
    auto* own = new FixedWheelScreens;
    own->wheel.numbers = {3, 9, 9, 5};
    UseScreens(own);
    StartProgram(8);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    while (!Game() || Game()->isSpinningForFirst())
        ASSERT_TRUE(Play());
    ModeGame* game = Game();
    // The person spun 3 in the first seat and now plays last.
    EXPECT_EQ(game->getHumanIndex(), 3);
    EXPECT_FALSE(game->getPlayer(3)->isComputer());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(game->getPlayer(i)->isComputer());
    EXPECT_EQ(game->getCurrentPlayerIndex(), 0);
    EXPECT_TRUE(game->isFirstRound());

    // Equal worth keeps seat order.
    game->rankPlayers();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(game->getPlayer(i)->getRank(), i);
    game->getPlayer(2)->transactCash(1);
    game->rankPlayers();
    EXPECT_EQ(game->getPlayer(2)->getRank(), 0);
    EXPECT_EQ(game->getPlayer(0)->getRank(), 1);

    // Fast-forward of computer players: a second press within five ticks is ignored.
    CGuiFrameTouchButton fastForward(ModeGame::kButtonFastForward);
    game->buttonSelected(&fastForward);
    game->buttonSelected(&fastForward);
    EXPECT_FLOAT_EQ(game->GetTimeDistortionFactor(), 3.0f);
    for (int i = 0; i < 5; ++i)
        Tick();
    Game()->buttonSelected(&fastForward);
    EXPECT_FLOAT_EQ(Game()->GetTimeDistortionFactor(), 1.0f);
}

namespace {

int payCards(const Player* player)
{
    int count = 0;
    for (const Card* card = player->getShareTheWealthCards(); card; card = card->next)
        count += card->id == ShareTheWealthCard::kSharePay;
    return count;
}

} // namespace

TEST_F(InGameTest, AComputerStudentPlaysItsPayCardAtTheTuition)
{
    int studentsWithACard = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        StartProgram(seed);
        ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
        int student = -1;
        int cardsBefore = 0;
        for (int i = 0; i < kMaxTicks && Play(); ++i) {
            ModeGame* game = Game();
            if (!game)
                continue;
            if (student < 0 && game->getCurrState() == ModeGame::ComputerCollege) {
                student = game->getCurrentPlayerIndex();
                cardsBefore = payCards(game->getPlayer(student));
            } else if (student >= 0 && game->getCurrState() == ModeGame::Spinning &&
                       game->getCurrentPlayerIndex() == student) {
                if (cardsBefore > 0) {
                    ++studentsWithACard;
                    EXPECT_EQ(payCards(game->getPlayer(student)), cardsBefore - 1) << "seed " << seed;
                }
                break;
            }
        }
        StopProgram();
    }
    EXPECT_GT(studentsWithACard, 0);
}
