// The mode stack: changes wait for the next tick, one pending change at a
// time, and the order in which modes are activated, deactivated and deleted.
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include "qrvl/original/framework/FGModeManager.h"

#include <gtest/gtest.h>

namespace {

using FrameworkTest::LoggingMode;
using Log = std::vector<std::string>;

class ModeStackTest : public testing::Test {
protected:
    LoggingMode* Make(char const* name) { return new LoggingMode(name, log); }

    // Pushes and performs, then forgets what that logged.
    void Prepare(std::vector<char const*> const& names)
    {
        for (char const* name : names) {
            stack.pushMode(Make(name));
            stack.performModeChanges();
        }
        log.clear();
    }

    FGEngine engine; // takes the stack's reports
    Log log;
    FGModeManager stack{true};
};

TEST_F(ModeStackTest, APushWaitsForTheNextTickAndASecondRequestIsDropped)
{
    LoggingMode* a = Make("A");
    stack.pushMode(a);
    stack.pushMode(Make("B"));
    EXPECT_EQ(stack.getCurrentMode(), nullptr);
    EXPECT_EQ(log, (Log{"B.delete"}));
    stack.tick();
    EXPECT_EQ(stack.getCurrentMode(), a);
    EXPECT_EQ(log, (Log{"B.delete", "A.activate", "A.tick"}));
    EXPECT_TRUE(a->isActiveMode());
}

TEST_F(ModeStackTest, AModePoppingItselfInItsTickIsGoneBeforeTheTickReturns)
{
    Prepare({"M", "A"});
    static_cast<LoggingMode*>(stack.getCurrentMode())->onTick = [this] { stack.popMode(); };
    stack.tick();
    EXPECT_EQ(log, (Log{"A.tick", "A.deactivate", "A.delete", "M.activate"}));
    EXPECT_EQ(stack.getNumModes(), 1);
}

TEST_F(ModeStackTest, SetReplacesOnlyTheTopMode)
{
    Prepare({"M", "A"});
    FGMode* m = stack.getPreviousMode(1);
    LoggingMode* b = Make("B");
    stack.setMode(b);
    stack.performModeChanges();
    EXPECT_EQ(log, (Log{"A.deactivate", "A.delete", "M.deactivate", "B.activate"}));
    EXPECT_EQ(stack.getCurrentMode(), b);
    EXPECT_EQ(stack.getPreviousMode(1), m);
    EXPECT_EQ(stack.getPreviousMode(2), nullptr);
}

TEST_F(ModeStackTest, AnActionRecordedWhileActivatingRunsInTheSameLoop)
{
    Prepare({"M"});
    struct Opener : LoggingMode {
        Opener(Log& log, FGModeManager& stack) : LoggingMode("O", log), openedLog(log), stack(stack) {}
        void activate() override
        {
            LoggingMode::activate();
            stack.pushMode(new LoggingMode("Q", openedLog));
        }
        Log& openedLog;
        FGModeManager& stack;
    };
    stack.pushMode(new Opener(log, stack));
    stack.performModeChanges();
    EXPECT_EQ(log, (Log{"M.deactivate", "O.activate", "O.deactivate", "Q.activate"}));
    EXPECT_EQ(stack.getNumModes(), 3);
}

TEST_F(ModeStackTest, TheThirtyThirdPushIsRefusedAndItsModeDeleted)
{
    for (int i = 0; i < FGModeManager::kMaxModes; ++i) {
        stack.pushMode(Make("m"));
        stack.performModeChanges();
    }
    FGMode* top = stack.getCurrentMode();
    log.clear();
    stack.pushMode(Make("extra"));
    stack.performModeChanges();
    EXPECT_EQ(stack.getNumModes(), FGModeManager::kMaxModes);
    EXPECT_EQ(stack.getCurrentMode(), top);
    EXPECT_EQ(log, (Log{"extra.delete"}));
}

TEST_F(ModeStackTest, PoppingAnEmptyStackChangesNothing)
{
    stack.popMode();
    EXPECT_TRUE(stack.hasPendingAction());
    stack.tick();
    EXPECT_FALSE(stack.hasPendingAction());
    EXPECT_EQ(stack.getNumModes(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(ModeStackTest, InputReachesOnlyTheTopModeAndDestructionActivatesNothing)
{
    Prepare({"M", "A"});
    stack.keyPressed(7);
    EXPECT_EQ(log, (Log{"A.key7"}));
    log.clear();
    {
        FGModeManager owner(true);
        owner.pushMode(Make("X"));
        owner.performModeChanges();
        owner.pushMode(Make("Y"));
        owner.performModeChanges();
        owner.setMode(Make("pending"));
        log.clear();
    }
    EXPECT_EQ(log, (Log{"Y.delete", "X.delete", "pending.delete"}));
}

TEST_F(ModeStackTest, UnwindingRemovesTheModesAboveWithoutActivating)
{
    Prepare({"M", "A", "B"});
    FGMode* m = stack.getPreviousMode(2);
    stack.unwindModeStack(m);
    EXPECT_EQ(log, (Log{"B.deactivate", "B.delete", "A.delete"}));
    EXPECT_EQ(stack.getCurrentMode(), m);
}

} // namespace
