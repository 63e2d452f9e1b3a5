// The game window tests' shared steps.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"
#include "tests/support/RecordedSound.h"

#include "norv/vfs/Vfs.h"
#include "qrvl/port/MapProjection.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <thread>

namespace GameWindow {

namespace {

// The player's settings for a recording: the music silent, effects at full
// volume.
constexpr char const* kRecordingSettings = R"(<?xml version="1.0" encoding="utf-8"?>
<registry>
	<node name="/qrvl/settings">
		<key name="MusicVolume" type="int">0</key>
		<key name="SfxVolume" type="int">100</key>
	</node>
</registry>
)";
// How far (in frames) around where a sound seems to start it is looked for:
// a soft start sets off later than the sound.
constexpr long kSearch = 2048;

// Pauses, in a chain of steps.
bool Pause(std::chrono::milliseconds time)
{
    std::this_thread::sleep_for(time);
    return true;
}

} // namespace

using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::ProgramPath;

std::filesystem::path BuiltResources()
{
    return std::filesystem::path(ProgramPath("quorvel")).parent_path().parent_path() / "Resources";
}

void GameWindowFixture::SetUp()
{
    dataHome = std::filesystem::path(OutputPath("quorvel-game-data-home"));
    std::filesystem::remove_all(dataHome);
    std::filesystem::create_directories(dataHome);
}

void GameWindowFixture::StartToMainMenu(char const* resources,
                                        std::vector<NorvTest::ChildProcess::EnvChange> const& environment,
                                        std::vector<std::string> const& arguments)
{
    std::vector<NorvTest::ChildProcess::EnvChange> settings = {
        {"SDL_AUDIODRIVER", "dummy"}, {"XDG_DATA_HOME", dataHome.c_str()}, {"QUORVEL_RESOURCES", resources},
        {"QUORVEL_SEED", seed}, {"QUORVEL_TEST_TIME_SCALE", timeScale}};
    settings.insert(settings.end(), environment.begin(), environment.end());
    std::vector<std::string> command = {ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h",
                                        std::to_string(kHeight)};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ASSERT_TRUE(game.Start(command, settings));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
    // Below the menu's buttons, so that a tap the splash no longer needs is
    // harmless.
    ASSERT_TRUE(window.Click(kWidth / 2, kBelowMenuY));
    ASSERT_TRUE(window.Click(kWidth / 2, kBelowMenuY));
    ASSERT_TRUE(WaitForShot("quorvel-game-menu.png", MainMenuShown)) << game.Output();
}

void GameWindowFixture::StartRecordingToMainMenu()
{
    recording = OutputPath("quorvel-game-sound.raw");
    std::filesystem::remove(recording);
    std::filesystem::create_directories(dataHome / "Quorvel");
    std::ofstream(dataHome / "Quorvel" / "registry.xml") << kRecordingSettings;
    StartToMainMenu(
        nullptr,
        {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", recording.c_str()}, {"SDL_DISKAUDIODELAY", SoundTest::kDiskDelayMs}});
}

std::uintmax_t GameWindowFixture::RecordedBytes() const
{
    std::error_code error;
    std::uintmax_t const bytes = std::filesystem::file_size(recording, error);
    return error ? 0 : bytes;
}

long GameWindowFixture::FindRecordedSound(char const* file, long after) const
{
    std::filesystem::path const pak = BuiltResources() / "sound.pak";
    SoundTest::Signal sound;
    Norv::Vfs::Initialize();
    if (Norv::MountPak(pak.c_str(), "", 0))
        sound = SoundTest::DecodeSound(file);
    Norv::Vfs::Shutdown();
    if (sound.empty())
        return -1;
    // With the music silent, every sound starts out of near silence: look
    // for it wherever the recording sets off.
    SoundTest::Signal const recorded = SoundTest::ReadRecording(recording);
    for (long from = after;;) {
        long const onset = SoundTest::FirstLouderThan(recorded, from, SoundTest::kSilence);
        if (onset < 0)
            return -1;
        SoundTest::Match const found = SoundTest::FindSound(recorded, sound, onset, kSearch);
        if (found.correlation > SoundTest::kFound)
            return found.at;
        from = onset + kSearch;
    }
}

void GameWindowFixture::SetUpNewGame(int players)
{
    // A tap on the main menu while its buttons still slide in is lost.
    std::this_thread::sleep_for(kPageChange * 2);
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));
    AnswerSetUp(players);
}

void GameWindowFixture::AnswerSetUp(int players)
{
    ASSERT_TRUE(WaitForShot("quorvel-game-colours.png", [](Image const& shot) {
        return shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kPurpleColourX, kPurpleColourY));
    ASSERT_TRUE(WaitForShot("quorvel-game-characters.png", [](Image const& shot) {
        return !shot.RegionIs(kRedColourX, kRedColourY, 6, 6, kRed, kTolerance);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kSixthCharacterX, kSixthCharacterY));
    // The name page comes with the click; keys wait for it.
    std::this_thread::sleep_for(kPageChange);
    for (char const* key : {"z", "o", "e"})
        ASSERT_TRUE(window.Key(key));
    ASSERT_TRUE(window.Click(kNameOkX, kNameOkY));
    std::this_thread::sleep_for(kPageChange);
    ASSERT_TRUE(window.Click(kPlayersX, PlayersY(players)));
    // The opponents, when there are any, are presented; Return accepts them.
    std::this_thread::sleep_for(kPageChange * 4);
    ASSERT_TRUE(window.Key("Return"));
}

GameWindowFixture::SavedPlayers GameWindowFixture::ReadSavedPlayers() const
{
    SavedGame const saved = Saved();
    return {saved.read ? static_cast<int>(saved.players.size()) : -1, saved.Find(kPersonsName) != nullptr};
}

void GameWindowFixture::SpinForTheFirstTurnAndExpectTheSave()
{
    ASSERT_TRUE(window.Key("space"));
    ASSERT_TRUE(NorvTest::WaitUntil([&] { return SavedGameBytes() > 0; }, kWaitSeconds)) << game.Output();
    SavedPlayers const saved = ReadSavedPlayers();
    EXPECT_EQ(saved.count, 3);
    EXPECT_TRUE(saved.holdsTypedName);
}

SavedGame GameWindowFixture::Saved() const
{
    return ReadSavedGame(dataHome / "Quorvel" / "quorvel.sav");
}

std::uintmax_t GameWindowFixture::SavedGameBytes() const
{
    std::error_code error;
    std::uintmax_t const bytes = std::filesystem::file_size(dataHome / "Quorvel" / "quorvel.sav", error);
    return error ? 0 : bytes;
}

int GameWindowFixture::SavedHouse() const
{
    SavedGame const saved = Saved();
    SavedPlayer const* person = saved.Find(kPersonsName);
    return person ? person->house : -1;
}

bool GameWindowFixture::PersonsHudShown(Image const& shot)
{
    return shot.RegionIs(kTabX, kTabY, 4, 4, kPersonsTab, kTolerance);
}

bool GameWindowFixture::BarShown(Image const& shot)
{
    return shot.RegionIs(kBarX, kBarY, 4, 4, kBarBlue, kBarTolerance);
}

bool GameWindowFixture::PauseMenuShown(Image const& shot)
{
    return shot.RegionIs(kPauseTitleX, kPauseTitleY, 8, 8, kRibbonBlue, kTolerance);
}

bool GameWindowFixture::PanelShown(Image const& shot)
{
    return shot.RegionIs(kPanelX, kPanelY, 10, 10, kPanel, kTolerance) ||
           shot.RegionIs(kPanelX, kPopupPanelY, 10, 10, kPanel, kTolerance);
}

bool GameWindowFixture::PauseShown(Image const& shot)
{
    return PanelShown(shot) && shot.RegionIs(kButtonX - 140, kExitGameY, 4, 4, kButtonOrange, 40);
}

bool GameWindowFixture::WaitForShot(std::string const& name, std::function<bool(Image const&)> const& check,
                                    double seconds, std::function<void()> const& meanwhile)
{
    std::string const path = OutputPath(name);
    Image shot;
    return NorvTest::WaitUntil(
        [&] {
            if (window.Screenshot(path) && shot.Load(path) && check(shot))
                return true;
            if (meanwhile)
                meanwhile();
            return false;
        },
        seconds);
}

bool GameWindowFixture::Grab(Image& frame)
{
    if (!haveOrigin)
        haveOrigin = window.Origin(&origin.first, &origin.second);
    return haveOrigin && grabber.Grab(origin.first, origin.second, kWidth, kHeight, frame);
}

bool GameWindowFixture::WaitForFrame(std::string const& name, std::function<bool(Image const&)> const& check,
                                     double seconds, std::function<void(Image const&)> const& meanwhile)
{
    Image frame;
    bool const satisfied = NorvTest::WaitUntil(
        [&] {
            if (!Grab(frame))
                return false;
            if (check(frame))
                return true;
            if (meanwhile)
                meanwhile(frame);
            return false;
        },
        seconds);
    frame.Save(OutputPath(name));
    return satisfied;
}

bool GameWindowFixture::TapUntil(int x, int y, std::string const& name, std::function<bool(Image const&)> const& check,
                                 double seconds)
{
    return WaitForShot(name, check, seconds, [&] { window.Click(x, y); });
}

GameWindowFixture::Choice GameWindowFixture::ChoiceShown(Image const& shot)
{
    if (shot.RegionIs(kFirstNumberX, kFirstNumberRimY, 2, 1, kCardBack, kTolerance)
        && shot.RegionIs(kFirstNumberX - 20, kFirstNumberY, 3, 3, kPanel, kTolerance))
        return Choice::SpinToWin;
    // A question or message on its panel, whose blue ribbon could pass for
    // the backs of cards.
    if (PanelShown(shot))
        return Choice::None;
    // A carousel's cards leave a gap where the left of two cards stands.
    if (shot.RegionIs(kLeftCardX, kTwoCardsY, 3, 3, kCard, kTolerance)
        && shot.RegionIs(kCarouselGapX, kTwoCardsY, 3, 3, kCard, kTolerance))
        return Choice::TwoCards;
    if (shot.RegionIs(kMiddleCardX, kMiddleCardY, 3, 3, kCard, kTolerance))
        return Choice::OneCard;
    if (!FanCards(shot).empty())
        return Choice::Fan;
    return Choice::None;
}

// A row of up to three cards across the middle, or two rows. The blue
// alone is not enough: the board has it too (the blue pegs, water, blue
// spaces), and a tap sent there lands on whatever screen comes next, such
// as a way of a fork that is sliding in.
std::vector<std::pair<int, int>> GameWindowFixture::FanCards(Image const& shot)
{
    std::vector<std::pair<int, int>> cards;
    for (int y : kFanRowsY) {
        for (int x = 0; x + kFanCardWidth / 2 < kWidth; ++x) {
            int const middle = x + kFanCardWidth / 2 - kFanEdge;
            if (!NorvTest::SameColour(shot.Pixel(x, y), kCardBack, kTolerance)
                || !shot.RegionIs(middle, y, 3, 3, kCardCoin, kTolerance))
                continue;
            cards.emplace_back(middle, y);
            x += kFanCardWidth;
        }
    }
    return cards;
}

bool GameWindowFixture::Choose(Image const& shot)
{
    switch (ChoiceShown(shot)) {
    case Choice::TwoCards: return window.Click(kRightCardX, kRightCardY);
    case Choice::OneCard: return window.Click(kKeyX, kKeyY);
    case Choice::Fan: {
        std::vector<std::pair<int, int>> const cards = FanCards(shot);
        std::pair<int, int> const card = cards[static_cast<size_t>(fanPicks++) % cards.size()];
        return window.Click(card.first, card.second);
    }
    case Choice::SpinToWin: {
        // A played Share the Wealth card may ask for more than one number:
        // every look picks one more, a number not picked before, and tries
        // OK, which takes the person on to the stake once enough are picked.
        // The stake's page replaces the numbers' at once.
        int const number = luckyPicks++ % kNumbersInRow;
        return window.Click(kFirstNumberX + number * kNumberStep, kFirstNumberY + 16) && Pause(kPageChange)
               && window.Click(kButtonX, kSpinOkY) && Pause(kPageChange) && window.Click(kButtonX, kSpinOkY);
    }
    case Choice::None: break;
    }
    return false;
}

bool GameWindowFixture::ForkShown(Image const& shot)
{
    return ChoiceShown(shot) == Choice::TwoCards && shot.RegionIs(kStopSignX, kStopSignY, 3, 3, kStopRed, kTolerance);
}

bool GameWindowFixture::HousesShown(Image const& shot)
{
    return ChoiceShown(shot) == Choice::OneCard && shot.RegionIs(kNextHouseX, kMiddleCardY, 3, 3, kCard, kTolerance);
}

// Cards with a key or a way each are looked at again once they have surely
// finished sliding in: a screenshot takes longer than the slide, and a card
// caught on its way could take a click meant for another screen. Any
// face-down card will do, so a fan is answered at once.
bool GameWindowFixture::WaitChoosing(std::string const& name, std::function<bool(Image const&)> const& check,
                                     double seconds, std::function<void(Image const&)> const& meanwhile)
{
    std::string const path = OutputPath(name);
    Image shot;
    auto look = [&] { return window.Screenshot(path) && shot.Load(path); };
    return NorvTest::WaitUntil(
        [&] {
            if (!look())
                return false;
            if (check(shot))
                return true;
            Choice const shown = ChoiceShown(shot);
            if (shown == Choice::None) {
                if (meanwhile)
                    meanwhile(shot);
                return false;
            }
            if (shown != Choice::OneCard && shown != Choice::TwoCards) {
                Choose(shot);
                return false;
            }
            Pause(kSlideIn);
            if (!look())
                return false;
            if (check(shot))
                return true;
            Choose(shot);
            return false;
        },
        seconds);
}

bool GameWindowFixture::WaitForHud(std::string const& name, std::function<bool(Image const&)> const& check)
{
    // The taps miss the wheel, which a tap would spin.
    return WaitChoosing(name, check, kHudSeconds, [&](Image const&) { window.Click(kOffWheelX, kOffWheelY); });
}

bool GameWindowFixture::WaitingToSpin(Image const& shot)
{
    return TapBarShown(shot) || shot.RegionIs(kSpinButtonX, kSpinButtonY, 2, 2, kSpinOrange, kTolerance)
           || SpinButtonGlows(shot);
}

// In free look (a tap on the board brings it) the spin button glows, its
// orange pulsing toward white, until a press brings the person back to the
// wheel.
bool GameWindowFixture::SpinButtonGlows(Image const& shot)
{
    Rgb const seen = shot.Pixel(kSpinButtonX, kSpinButtonY);
    double const towardWhite = static_cast<double>(seen.green - kSpinOrange.green) / (255 - kSpinOrange.green);
    Rgb const glowing = {255, seen.green,
                         kSpinOrange.blue + static_cast<int>(towardWhite * (255 - kSpinOrange.blue) + 0.5)};
    return towardWhite > 0.05 && towardWhite < kSpinGlowMost && NorvTest::SameColour(seen, glowing, kTolerance);
}

bool GameWindowFixture::TapBarShown(Image const& shot)
{
    return shot.RegionIs(kTapBarX, kTapBarY, 2, 2, kBarBlue, kBarTolerance);
}

bool GameWindowFixture::ExploreButtonShown(Image const& shot)
{
    return shot.RegionIs(kExploreGreenX, kExploreY, 3, 3, kExploreGreen, kTolerance);
}

bool GameWindowFixture::WheelInTheMiddle(Image const& shot)
{
    for (int y = kWheelY; y < kWheelY + 120; ++y)
        for (int x = kClickerX - 6; x <= kClickerX + 6; ++x)
            if (NorvTest::SameColour(shot.Pixel(x, y), kClickerRed, kBoardTolerance))
                return true;
    return false;
}

bool GameWindowFixture::FlickTheWheel()
{
    // The hand grabs the wheel this far from its centre and turns it more
    // than a turn in quick steps, a step a frame: the wheel's speed is that
    // of its last frames before the release.
    constexpr double kGrabRadius = 150.0;
    constexpr int kTurnSteps = 30;
    constexpr double kStepRadians = 0.4;
    constexpr double kStepSeconds = 0.016;
    std::vector<std::pair<int, int>> points;
    for (int step = 0; step <= kTurnSteps; ++step) {
        double const angle = kStepRadians * step;
        points.emplace_back(kWheelX + int(std::lround(kGrabRadius * std::cos(angle))),
                            kWheelY + int(std::lround(kGrabRadius * std::sin(angle))));
    }
    return window.Drag(points, 1, kStepSeconds);
}

// A choice screen may come at any moment after a screenshot, so what is
// pressed without looking again must be harmless on it: taps off its keys
// and ways, and the space bar. Return is not: it buys the house or takes
// the career in view.
void GameWindowFixture::PlayOn(Image const& shot)
{
    if (WaitingToSpin(shot)) {
        if (SpinButtonGlows(shot) && window.Click(kSpinButtonX, kSpinButtonY))
            Pause(kPageChange);
        window.Click(kBarX, kBarY);
        Pause(kPageChange);
        // Return only once a second look still finds the person waiting at
        // the wheel: the bar may have shown while the car arrived at a choice.
        Image again;
        if (!LookAgain(again) || !WaitingToSpin(again))
            return;
        window.Key("Return");
        Pause(kPageChange);
        window.Key("space");
        return;
    }
    // A tap on the board with no message to close starts a look round it,
    // which may hide the bar as well; Return comes back to the wheel once a
    // second look, a slide's time later, still shows nothing else.
    switch (plays++ % 3) {
    case 0: window.Click(kButtonX, kOkKeyY); break;
    case 1: window.Click(kOffWheelX, kOffWheelY); break;
    default: {
        Image again;
        if (!BarShown(shot) && !PanelShown(shot) && Pause(kSlideIn) && LookAgain(again) && !BarShown(again))
            window.Key("Return");
        break;
    }
    }
}

bool GameWindowFixture::LookAgain(Image& shot)
{
    std::string const path = OutputPath("quorvel-play-on.png");
    return window.Screenshot(path) && shot.Load(path) && ChoiceShown(shot) == Choice::None && !PanelShown(shot);
}

bool GameWindowFixture::PlayUntil(std::string const& name, std::function<bool(Image const&)> const& check)
{
    return WaitChoosing(name, check, kRoadSeconds, [&](Image const& shot) { PlayOn(shot); });
}

bool GameWindowFixture::MapShown(Image const& shot)
{
    return shot.RegionIs(kMapX + 818, kMapY + 68, 6, 6, kMapLake, kTolerance);
}

bool GameWindowFixture::OpenMap(std::string const& name)
{
    // Time for the game to take a press (the map to cover the HUD bar),
    // and for a bar first seen to finish sliding in: a tap on a bar still
    // arriving is lost.
    constexpr std::chrono::milliseconds kPressSettles{1000};
    constexpr std::chrono::milliseconds kArriving{300};
    enum class Bar { None, Hud, TapToPlay };
    Bar seen = Bar::None;
    auto seenSince = std::chrono::steady_clock::now();
    return WaitForFrame(name, MapShown, kHudSeconds, [&](Image const& frame) {
        Bar const bar = ExploreButtonShown(frame)                      ? Bar::Hud
                        : TapBarShown(frame) && PersonsHudShown(frame) ? Bar::TapToPlay
                                                                       : Bar::None;
        auto const now = std::chrono::steady_clock::now();
        if (bar != seen) {
            seen = bar;
            seenSince = now;
        }
        if (bar == Bar::None || now - seenSince < kArriving)
            return;
        if (bar == Bar::Hud) {
            window.Click(kExploreX, kExploreY);
            Pause(kPressSettles);
        } else {
            window.Click(kBarX, kBarY);
            Pause(kBarsChange);
        }
        seen = Bar::None;
    });
}

bool GameWindowFixture::LookAt(float x, float z, std::string const& name)
{
    // The map's art is drawn for a 768-pixel-high layout.
    qrvl::MapProjection const map(kMapX, kMapY, kMapWidth, kMapHeight, qrvl::MapProjection::ArtHeight(0));
    qrvl::MapProjection::Vec2 const point = map.WorldToMap(x, z);
    return OpenMap(name) && window.Click(static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y)))
           && WaitForShot(name, [](Image const& shot) { return PersonsHudShown(shot) && !MapShown(shot); });
}

void GameWindowFixture::Quit()
{
    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

} // namespace GameWindow
