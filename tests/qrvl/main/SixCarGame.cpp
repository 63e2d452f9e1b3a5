// The game engine run on a clock of its own, without a window: the built
// board and texts, the set-up answered for six players, each turn played
// as the in-game tests play it, then the cars moved and the game saved.
#include "tests/qrvl/main/SixCarGame.h"

#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/qrvl/support/TurnPresses.h"
#include "tests/support/Environment.h"

#include "norv/base/TextDict.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/InGameFlow.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/game/ModeInstantAnswer.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace GameWindow {

namespace {

constexpr int kPlayers = 6;
// The person as the window tests' set-up makes them: purple, the sixth
// character.
constexpr int kPurple = 5;
constexpr int kSixthCharacter = 5;
constexpr int kTickMs = 100;
constexpr int kLaunchTicks = 50;
// Six players' first round, on a generous count of ticks.
constexpr int kMaxTicks = 200000;

// The engine's clock, moved by hand.
std::uint32_t now = 1000;
std::uint32_t ReadClock()
{
    return now;
}

// The set-up answered for six players, the person named as in the window
// tests; every other screen takes its default answer.
class SixPlayers : public GameScreens {
public:
    void pushSetUp(Player**, Hud*, char* name, int nameBytes) override
    {
        ModeInstantAnswer::push([name, nameBytes]() {
            std::strncpy(name, kPersonsName, static_cast<size_t>(nameBytes - 1));
            name[nameBytes - 1] = '\0';
            return packSetUp(kPurple, kSixthCharacter, kPlayers);
        });
    }
};

class Session {
public:
    explicit Session(std::filesystem::path const& dataHome)
    {
        environment.Set("XDG_DATA_HOME", dataHome.string());
        Norv::Vfs::Initialize();
        Norv::MountPak((BuiltResources() / "board.pak").c_str(), "", Norv::VfsMount::FallThrough);
        Norv::MountNative(BuiltResources().string() + "/", "", Norv::VfsMount::FallThrough);
        Norv::MountNative("Quorvel/", "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
        Norv::g_textDict = new Norv::TextDict;
        Norv::g_textDict->LoadStrings("texts/englishUK.xml");
        GameScreens::Install(new SixPlayers);
        GameFlowHooks::Install(new InGameFlow);
        GameFlowHooks::Get().InitJournalData();
        FGEngine::setClock(&ReadClock);
    }

    ~Session()
    {
        engine.reset();
        FGEngine::setClock(nullptr);
        GameFlowHooks::Install(nullptr);
        GameScreens::Install(nullptr);
        Norv::g_textDict = nullptr;
        Norv::Vfs::Shutdown();
    }

    ModeGame* Game() const { return engine ? QuorvelTest::GameOnTop(*engine) : nullptr; }

    ModeGame* Launch(unsigned seed)
    {
        engine = std::make_unique<QuorvelEngine>();
        engine->setCriticals(nullptr, nullptr);
        engine->entEvent(FGEngine::EventStart, 0, 0);
        engine->srand(seed);
        engine->launchGame(false, QuorvelEngine::GameModeSingle, false);
        for (int i = 0; i < kLaunchTicks && !Game(); ++i)
            Tick();
        return Game();
    }

    void Tick()
    {
        now += kTickMs;
        engine->entTick();
    }

    // One tick, pressing what the turn waits for.
    void Play()
    {
        Tick();
        if (ModeGame* game = Game())
            QuorvelTest::PressWhatTheTurnWaitsFor(*engine, *game);
    }

private:
    NorvTest::Environment environment;
    std::unique_ptr<QuorvelEngine> engine;
};

} // namespace

bool WriteSixCarGame(std::filesystem::path const& dataHome, unsigned seed)
{
    Session session(dataHome);
    if (!session.Launch(seed))
        return false;
    // Past the first round every car is on the road; the person waits at
    // the wheel for their turn.
    for (int tick = 0; tick < kMaxTicks; ++tick) {
        ModeGame* game = session.Game();
        if (game && !game->isFirstRound() && game->getCurrState() == ModeGame::Wheel
            && game->getCurrentPlayerIndex() == game->getHumanIndex())
            break;
        session.Play();
    }
    ModeGame* game = session.Game();
    if (!game || game->isFirstRound() || game->getNumPlayers() != kPlayers)
        return false;
    for (int seat = 0; seat < kPlayers; ++seat)
        game->getPlayer(seat)->getCar()->Place(game->getBoard()->getSpace(kSixCarSpaces[seat]));
    game->saveGame();
    std::error_code error;
    return std::filesystem::file_size(dataHome / "Quorvel" / "quorvel.sav", error) > 0 && !error;
}

} // namespace GameWindow
