// The 3D layer's driver behind the program's presentation hooks: the frame
// time, the order of a frame's work, drawing only a board with a camera,
// one front-end load, the loading progress and the board's loading steps.
#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/CLoadingScreen.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/EngineHooks.h"
#include "qrvl/original/phone/world/EngineHudHooks.h"
#include "qrvl/original/phone/world/WorldHooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;
Log* s_log = nullptr;

class RecordingHud : public EngineHudHooks {
public:
    void Setup() override { s_log->push_back("hud setup"); }
    void Update(int ms) override { s_log->push_back("hud " + std::to_string(ms)); }
};

class RecordingWorld : public WorldHooks {
public:
    void SetupLoader(FGResLoader& loader) override
    {
        for (char const* step : {"collision", "scene", "board"})
            loader.registerResource(step, FGResLoader::TypeFirstWorldStep, 0);
    }
    void LoadStep(int type, int) override { s_log->push_back("step " + std::to_string(type)); }
    void Update() override { s_log->push_back("world"); }
    bool CanRender() override { return hasCamera; }
    void Render() override { s_log->push_back("render"); }

    bool hasCamera = false;
};

class EngineDriverTest : public testing::Test {
protected:
    void SetUp() override
    {
        s_log = &log;
        world = new RecordingWorld;
        WorldHooks::Install(world);
        EngineHudHooks::Install(new RecordingHud);
        PresentationHooks::Install(new EngineHooks);
        CSkipManager::GetSkipManager().Clear();
    }
    void TearDown() override
    {
        PresentationHooks::Install(nullptr);
        EngineHudHooks::Install(nullptr);
        WorldHooks::Install(nullptr);
        CSkipManager::GetSkipManager().Clear();
        s_log = nullptr;
    }

    Log log;
    RecordingWorld* world = nullptr;
};

TEST_F(EngineDriverTest, AFrameTicksTheHudThenTheBoardUnlessPaused)
{
    PresentationHooks& hooks = PresentationHooks::Get();
    hooks.Update(16, false);
    EXPECT_EQ(hooks.GetLastFrameTimeMs(), 16);
    EXPECT_EQ(CEngine::GetEngine().GetFrameMs(), 16);
    hooks.Update(33, true);
    EXPECT_EQ(hooks.GetLastFrameTimeMs(), 33);
    EXPECT_EQ(log, (Log {"hud 16", "world", "hud 33"}));
    EXPECT_EQ(CEngine::GetEngine().GetProfiler().samples[1], 33);
}

TEST_F(EngineDriverTest, TheBoardIsDrawnOnlyOnceItHasACameraAndIsNotHidden)
{
    PresentationHooks& hooks = PresentationHooks::Get();
    hooks.Render(false);
    world->hasCamera = true;
    hooks.Render(true);
    EXPECT_TRUE(log.empty());
    hooks.Render(false);
    EXPECT_EQ(log, (Log {"render"}));
}

TEST_F(EngineDriverTest, TheFrontEndLoadsOnceAndBuildsTheHudThroughItsHooks)
{
    PresentationHooks& hooks = PresentationHooks::Get();
    hooks.LoadFrontendResources();
    hooks.LoadFrontendResources();
    EXPECT_EQ(log, (Log {"hud setup"}));
    EXPECT_TRUE(CEngine::GetEngine().IsFrontendLoaded());
    hooks.LoadIngameResources(1500);
    hooks.LoadIngameResources(1500);
    EXPECT_TRUE(CEngine::GetEngine().IsIngameLoaded());
}

TEST_F(EngineDriverTest, TheBoardsLoadingStepsRunThroughTheLoader)
{
    FGResLoader loader;
    loader.init(10);
    PresentationHooks::Get().SetupLoader(loader);
    ASSERT_EQ(loader.count(), 3);
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 0);
    loader.loadNextResource();
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 33);
    loader.loadAllResources();
    EXPECT_EQ(log, (Log {"step 4", "step 4", "step 4"}));
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 100);
}

TEST_F(EngineDriverTest, TheSkipSwitchIsTheSkipManagers)
{
    PresentationHooks& hooks = PresentationHooks::Get();
    hooks.SetSkipping(true, false);
    EXPECT_TRUE(CSkipManager::GetSkipManager().IsSkipping());
    EXPECT_TRUE(hooks.IsSkipping());
    EXPECT_STREQ(hooks.GetAppVersion(), "1.0.2.123456");
}

TEST(CLoadingScreen, StepsAddAtMostTwoHundredAndTheTargetIsReachedOnce)
{
    CLoadingScreen loading(250, true);
    EXPECT_EQ(loading.GetProgress(), 0);
    EXPECT_FALSE(loading.IsDone());
    loading.DoSerialiseCallback(500);
    EXPECT_EQ(loading.GetProgress(), 200);
    loading.DoSerialiseCallback(-30);
    EXPECT_EQ(loading.GetProgress(), 170);
    loading.DoSerialiseCallback(80);
    EXPECT_TRUE(loading.IsDone());

    CLoadingScreen nothingToLoad(0, false);
    EXPECT_TRUE(nothingToLoad.IsDone());
}

} // namespace
