// The real engine and mode stack over the game's own menu scripts, on a
// clock the test moves a tick at a time: what the screen mode tests of the
// choices and of the end of a game stand on.
#pragma once

#include "tests/support/ImageFixtures.h"

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>

class ScriptedModesTest : public ImageTest::MountedAssets {
protected:
    void SetUp() override
    {
        MountedAssets::SetUp();
        std::filesystem::copy(MENU_SCRIPTS_DIR, folder, std::filesystem::copy_options::recursive);
        Norv::g_registry = new Norv::Registry();
        Norv::g_textDict = new Norv::TextDict();
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(1024, 768);
        FGEngine::setClock(&ReadClock);
        InstallHooks();
        engine = std::make_unique<QuorvelEngine>();
        engine->setCriticals(nullptr, nullptr);
        engine->entEvent(FGEngine::EventStart, 0, 0);
        engine->getModeManager()->setMode(new QuorvelMode);
        Tick();
    }

    void TearDown() override
    {
        engine.reset();
        UninstallHooks();
        FGEngine::setClock(nullptr);
        qrvl::g_resManager.Release();
        Norv::g_textDict.Release();
        Norv::g_registry.Release();
        MountedAssets::TearDown();
    }

    // The hooks a test's engine needs, in place before it is made and
    // taken away after it is gone.
    virtual void InstallHooks() {}
    virtual void UninstallHooks() {}

    static constexpr int kFrameMs = 50;

    void Tick(std::uint32_t ms = kFrameMs)
    {
        now += ms;
        engine->entTick();
    }

    // Ticks for the whole time, a frame at a time.
    void Run(int ms)
    {
        for (int left = ms; left > 0; left -= kFrameMs)
            Tick(kFrameMs);
    }

    void Push(FGMode* mode)
    {
        engine->getModeManager()->pushMode(mode);
        Tick();
    }

    FGMode* Top() const { return engine->getModeManager()->getCurrentMode(); }

    std::unique_ptr<QuorvelEngine> engine;

private:
    static std::uint32_t ReadClock() { return now; }
    static inline std::uint32_t now = 1000;
};
