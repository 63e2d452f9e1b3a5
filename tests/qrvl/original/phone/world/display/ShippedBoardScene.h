// The board scene loaded from the game's own board data in its loading
// steps, drawn into a small picture of the game's shape (4 by 3) whose sky
// can be counted.
#pragma once

#include "DrawingWindow.h"

#include "tests/harness/TestWindow.h"
#include "tests/support/ImageFixtures.h"

#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EngineHooks.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/WorldHooks.h"

#include "norv/vfs/Vfs.h"

#include <string>
#include <vector>

// The HUD bar's messages.
class MessageHud : public HudPages {
public:
    void SetMessage(char const* text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class ShippedBoardSceneTest : public DrawingWindowTest {
public:
    static constexpr int kPictureWidth = 160;
    static constexpr int kPictureHeight = 120;
    // The frame's clear colour, the sky.
    static constexpr std::array<unsigned char, 3> kSky = {153, 204, 255};

protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        for (char const* pak : {"/board.pak", "/original.pak"})
            ASSERT_NE(
                Norv::MountPak((std::string(QUORVEL_RESOURCES_DIR) + pak).c_str(), "", Norv::VfsMount::FallThrough),
                nullptr);
        PresentationHooks::Install(new EngineHooks);
        WorldHooks::Install(new CWorldHooks);
        HudPages::Install(hud = new MessageHud);
        FGResLoader loader;
        CWorld::GetWorld().SetupLoader(loader);
        loader.loadAllResources();
        CWorld::GetWorld().Init();
        glViewport(0, 0, kPictureWidth, kPictureHeight);
    }
    void TearDown() override
    {
        CWorld::GetWorld().Clear();
        EntManager::Get().Clear();
        HudPages::Install(nullptr);
        WorldHooks::Install(nullptr);
        PresentationHooks::Install(nullptr);
        DrawingWindowTest::TearDown();
    }

    static void Frames(int count, int frameMs)
    {
        for (int i = 0; i < count; ++i)
            CEngine::GetEngine().Update(frameMs, false);
    }

    // The whole picture, bottom row first.
    static std::vector<unsigned char> Draw()
    {
        CWorld::GetWorld().Render();
        std::vector<unsigned char> rgba(size_t(kPictureWidth * kPictureHeight * 4));
        glReadPixels(0, 0, kPictureWidth, kPictureHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }
    // The same, kept for a look under `name`.
    static std::vector<unsigned char> Draw(char const* name)
    {
        std::vector<unsigned char> rgba = Draw();
        Save(rgba, name);
        return rgba;
    }
    static void Save(std::vector<unsigned char> const& rgba, std::string const& name)
    {
        ImageTest::PngSpec spec;
        spec.width = kPictureWidth;
        spec.height = kPictureHeight;
        spec.colourType = PNG_COLOR_TYPE_RGBA;
        for (int y = kPictureHeight - 1; y >= 0; --y)
            spec.rows.insert(spec.rows.end(), rgba.begin() + y * kPictureWidth * 4,
                             rgba.begin() + (y + 1) * kPictureWidth * 4);
        ImageTest::WriteFile(NorvTest::OutputPath(name.c_str()), ImageTest::WritePng(spec));
    }

    // How many pixels of the rows (counted from the top) show the sky.
    static int SkyPixels(std::vector<unsigned char> const& picture, int fromRow = 0, int rows = kPictureHeight)
    {
        int sky = 0;
        for (int row = fromRow; row < fromRow + rows; ++row) {
            int const y = kPictureHeight - 1 - row;
            for (int x = 0; x < kPictureWidth; ++x) {
                unsigned char const* p = &picture[size_t((y * kPictureWidth + x) * 4)];
                sky += Distance({p[0], p[1], p[2]}, kSky) <= 2 ? 1 : 0;
            }
        }
        return sky;
    }

    MessageHud* hud = nullptr;
};
