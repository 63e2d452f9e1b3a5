// Keys and touches reaching the console: opening it, line editing, the
// command history, scrolling, and the error screen.
#include "norv/application/console/DebugOverlay.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;

class ConsoleInput : public testing::Test {
protected:
    void SetUp() override { DebugOverlay::SetConsole(true); }
    void TearDown() override
    {
        DebugOverlay::SetConsole(false);
        g_debugOverlayException = false;
    }

    void Type(std::initializer_list<KeyCode> keys)
    {
        for (KeyCode key : keys) {
            EXPECT_TRUE(console->KeyPress(key));
            EXPECT_TRUE(console->KeyRelease(key));
        }
    }
    void AddLines(int count)
    {
        for (int i = 0; i < count; ++i)
            console->AddLine("line");
    }

    SmartPtr<DebugOverlay> console{new DebugOverlay};
};

TEST_F(ConsoleInput, TildeOpensAndClosesAndTheOpenConsoleHoldsTheGame)
{
    EXPECT_TRUE(console->Update(0.01f));
    Type({KEY_TILDE});
    EXPECT_FALSE(DebugOverlay::s_consoleEnabled);
    EXPECT_FALSE(console->Update(0.01f));
    EXPECT_FALSE(console->KeyPress(KEY_A));
    EXPECT_FALSE(console->TouchDown(1, 1, 0));
    EXPECT_TRUE(console->GetCommandLine().empty());
    Type({KEY_TILDE});
    EXPECT_TRUE(DebugOverlay::s_consoleEnabled);
}

TEST_F(ConsoleInput, KeysTypeShiftedCharactersAndBackDeletes)
{
    Type({KEY_R, KEY_E, KEY_G, KEY_SPACE, KEY_SLASH, KEY_1, KEY_PERIOD, KEY_MINUS, KEY_HASH});
    EXPECT_TRUE(console->KeyPress(KEY_SHIFT));
    Type({KEY_A, KEY_PERIOD, KEY_MINUS, KEY_SEMICOLON, KEY_LEFT_BRACKET, KEY_EQUALS});
    EXPECT_TRUE(console->KeyRelease(KEY_SHIFT));
    Type({KEY_Z, KEY_COMMA, KEY_RIGHT_BRACKET});
    EXPECT_EQ(console->GetCommandLine(), "reg /1.-A>_:{+z,]");
    Type({KEY_BACK, KEY_BACK});
    EXPECT_EQ(console->GetCommandLine(), "reg /1.-A>_:{+z");
}

TEST_F(ConsoleInput, SelectRunsTheLineAndTheHistoryStepsThroughIt)
{
    Type({KEY_H, KEY_E, KEY_L, KEY_P, KEY_SELECT});
    EXPECT_TRUE(console->GetCommandLine().empty());
    ASSERT_EQ(console->GetLines().size(), 16u);
    EXPECT_EQ(console->GetLines().front(), "> help");
    Type({KEY_X, KEY_SELECT});
    EXPECT_EQ(console->GetLines().back(), "Unknown command");
    Type({KEY_SELECT});
    EXPECT_EQ(console->GetHistory(), (std::vector<NarrowString>{"help", "x"}));

    Type({KEY_UP});
    EXPECT_EQ(console->GetCommandLine(), "x");
    Type({KEY_UP, KEY_UP});
    EXPECT_EQ(console->GetCommandLine(), "help");
    Type({KEY_DOWN});
    EXPECT_EQ(console->GetCommandLine(), "x");
    Type({KEY_DOWN});
    EXPECT_EQ(console->GetCommandLine(), "");
}

TEST_F(ConsoleInput, ScrollKeysAndTheWheelStayWithinTheLines)
{
    AddLines(50);
    Type({KEY_VOLUME_DOWN});
    EXPECT_EQ(console->GetScrollOffset(), 20);
    console->AddLine("new");
    EXPECT_EQ(console->GetScrollOffset(), 21) << "a view scrolled back stays put";
    Type({KEY_VOLUME_DOWN, KEY_VOLUME_DOWN, KEY_VOLUME_DOWN});
    EXPECT_EQ(console->GetScrollOffset(), 50) << "no further back than the oldest line";
    EXPECT_TRUE(console->TouchDown(0, 0, 4));
    EXPECT_EQ(console->GetScrollOffset(), 30);
    Type({KEY_VOLUME_UP, KEY_VOLUME_UP});
    EXPECT_EQ(console->GetScrollOffset(), 0);
    EXPECT_TRUE(console->TouchDown(0, 0, 3));
    EXPECT_EQ(console->GetScrollOffset(), 20);

    Type({KEY_RIGHT, KEY_RIGHT, KEY_LEFT});
    EXPECT_EQ(console->GetViewOffset(), 10);
    Type({KEY_LEFT, KEY_LEFT});
    EXPECT_EQ(console->GetViewOffset(), 0);
}

TEST_F(ConsoleInput, ADragScrollsByLinesAndItsLastStepFlicksOn)
{
    AddLines(200);
    EXPECT_TRUE(console->TouchDown(10, 100, 0));
    EXPECT_TRUE(console->TouchMove(10, 114, 0));
    EXPECT_EQ(console->GetScrollOffset(), 2);
    EXPECT_TRUE(console->TouchMove(10, 134, 0));
    EXPECT_EQ(console->GetScrollOffset(), 4) << "6 pixels wait for the next move";
    EXPECT_TRUE(console->TouchUp(10, 134, 0));

    // The last step of 20 is added every 0.1 s, shrinking by 0.8, one line
    // per 2 units: 10 lines, then 8, then 6 ...
    console->Update(0.1f);
    EXPECT_EQ(console->GetScrollOffset(), 14);
    console->Update(0.1f);
    EXPECT_EQ(console->GetScrollOffset(), 22);
    for (int i = 0; i < 100; ++i)
        console->Update(0.1f);
    int const settled = console->GetScrollOffset();
    EXPECT_LT(settled, 4 + 20 / 2 * 5 + 1) << "the flick runs out";
    console->Update(0.1f);
    EXPECT_EQ(console->GetScrollOffset(), settled);
}

TEST_F(ConsoleInput, AnErrorReportHoldsTheGameUntilAKeyOrTouchDismissesIt)
{
    DebugOverlay::SetConsole(false);
    g_debugOverlayException = true;
    EXPECT_TRUE(console->Update(0.01f));
    EXPECT_TRUE(console->KeyRelease(KEY_A)) << "a release leaves the report";
    EXPECT_TRUE(console->TouchMove(1, 1, 0));
    EXPECT_TRUE(g_debugOverlayException);
    EXPECT_TRUE(console->KeyPress(KEY_A));
    EXPECT_FALSE(g_debugOverlayException);
    EXPECT_FALSE(console->Update(0.01f));
    EXPECT_TRUE(console->GetCommandLine().empty()) << "the dismissing key types nothing";

    g_debugOverlayException = true;
    EXPECT_TRUE(console->TouchDown(1, 1, 0));
    EXPECT_FALSE(g_debugOverlayException);
}

} // namespace
