// The console's commands and their answers, typed into the console itself.
#include "norv/application/ShellSettings.h"
#include "norv/application/console/DebugOverlay.h"
#include "norv/base/Registry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Norv;

class ConsoleCommands : public testing::Test {
protected:
    void TearDown() override
    {
        g_registry.Release();
        g_timeSkew = 1.0f;
    }

    // The lines a command added.
    std::vector<NarrowString> Run(NarrowString const& command)
    {
        std::size_t const before = console->GetLines().size();
        console->Execute(command);
        return std::vector<NarrowString>(console->GetLines().begin() + static_cast<long>(before),
                                         console->GetLines().end());
    }

    SmartPtr<DebugOverlay> console{new DebugOverlay};
};

using Lines = std::vector<NarrowString>;

TEST_F(ConsoleCommands, HelpAndAnEmptyLineListTheCommands)
{
    Lines const help = Run("help");
    ASSERT_EQ(help.size(), 15u);
    EXPECT_EQ(help.front(), "1. assets: show managed assets");
    EXPECT_EQ(help[4], "regset reg/path value: sets registry key");
    EXPECT_EQ(help.back(), "13. pool: pool allocator stats");
    EXPECT_EQ(Run(""), help);
}

TEST_F(ConsoleCommands, ServicesThatDoNotExistAreNamed)
{
    EXPECT_EQ(Run("assets"), Lines{"AssetDict not available"});
    EXPECT_EQ(Run("2"), Lines{"Registry not available"});
    EXPECT_EQ(Run("regcallbacks"), Lines{"Registry not available"});
    EXPECT_EQ(Run("5"), Lines{"TextDict not available"});
    EXPECT_EQ(Run("reglist please"), Lines{"Unknown command"});
}

void RecordArgument(void* user, NarrowString const& argument, DebugOverlay::Connection* from)
{
    static_cast<Lines*>(user)->push_back(argument + (from ? " (remote)" : ""));
}

TEST_F(ConsoleCommands, RegisteredFunctionsGetTheRestOfTheLine)
{
    Lines calls;
    console->AddFunction("spawn", RecordArgument, &calls);
    EXPECT_TRUE(Run("spawn three red cars").empty());
    Run("spawn");
    EXPECT_EQ(calls, (Lines{"three red cars", ""}));
    console->RemoveFunction("spawn");
    EXPECT_EQ(Run("spawn again"), Lines{"Unknown command"});
}

TEST_F(ConsoleCommands, RegistryIsListedAndSetWithTypedValues)
{
    g_registry = new Registry;
    struct Case {
        char const* command;
        char const* answer;  // null: no answer
    } const cases[] = {
        {"regset /game/flag true", nullptr},
        {"regset /game/count 42", nullptr},
        {"regset /game/speed 1.5", nullptr},
        {"regset /game/name Ada Lovelace", nullptr},
        {"regset /game/flag", "Bad params"},
        {"regset  /game/flag 1", "Bad params"},
        {"regset /game/flag ", "Empty value"},
        {"regset game/flag 1", "Bad registry path"},
        {"regset /game/ 1", "Bad registry path"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Run(c.command), c.answer ? Lines{c.answer} : Lines{}) << c.command;

    EXPECT_EQ(Run("reglist"),
              (Lines{"root", "  game", "    count: 42", "    flag: true", "    name: \"Ada Lovelace\"",
                     "    speed: 1.500000"}));
}

TEST_F(ConsoleCommands, TimeSkewIsNeverNegative)
{
    Run("timeskew 0.25");
    EXPECT_FLOAT_EQ(g_timeSkew, 0.25f);
    Run("9 -3");
    EXPECT_FLOAT_EQ(g_timeSkew, 0.0f);
    Run("9 2");
    EXPECT_FLOAT_EQ(g_timeSkew, 2.0f);
}

TEST_F(ConsoleCommands, LoggingTogglesAndGatesMaybeLog)
{
    console->MaybeLog("quiet");
    EXPECT_EQ(Run("logging"), Lines{"Logging enabled"});
    console->MaybeLog("heard");
    EXPECT_EQ(console->GetLines().back(), "heard");
    EXPECT_EQ(Run("4"), Lines{"Logging disabled"});
    for (NarrowString const& line : console->GetLines())
        EXPECT_NE(line, "quiet");
}

TEST_F(ConsoleCommands, AddedTextIsSplitAtLineFeeds)
{
    console->AddLine("one\ntwo\n");
    EXPECT_EQ(console->GetLines(), (Lines{"one", "two", ""}));
}

} // namespace
