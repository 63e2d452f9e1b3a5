// The report of skipped turns on its real page in a window: the skip
// manager hands it its lines, one to every other line of the box, and the
// page shows them on its panel with the OK key.
#include "tests/support/DrawnScreen.h"

#include "guif/TextBox.h"
#include "qrvl/menu/hud/CGuifPageSkipReport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/phone/world/CSkipManager.h"

#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsMount.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLayoutWidth = 1024;
constexpr int kLayoutHeight = 768;

class SkipReportDrawing : public GuifTest::DrawnScreen {
protected:
    SkipReportDrawing()
        : DrawnScreen(kLayoutWidth, kLayoutHeight)
    {
    }

    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(Norv::MountNative(HUD_DATA_DIR, "", Norv::VfsMount::FallThrough));
        ASSERT_TRUE(Norv::MountNative(HUD_ASSETS_DIR, "", Norv::VfsMount::FallThrough));
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(kLayoutWidth, kLayoutHeight);
        page = new qrvl::CGuifPageSkipReport;
        SkipReportHooks::Install(page);
        CSkipManager::GetSkipManager().Clear();
    }
    void TearDown() override
    {
        CSkipManager::GetSkipManager().Clear();
        SkipReportHooks::Install(nullptr);
        qrvl::g_resManager.Release();
        DrawnScreen::TearDown();
    }

    qrvl::CGuifPageSkipReport* page = nullptr;
};

TEST_F(SkipReportDrawing, ThreeLinesFillEveryOtherLineOfTheBoxOnThePanel)
{
    CSkipManager& skip = CSkipManager::GetSkipManager();
    skip.SetSkipping(true);
    for (char const* line : {"Ann got married.", "Bert had a baby girl.", "Cleo retired."})
        skip.AddToReport(line);
    skip.SetSkipping(false);
    ASSERT_TRUE(skip.HasSkipToProcess());
    skip.StartSkipReport();

    Guif::TextBox* box = page->GetTextBox();
    ASSERT_NE(box, nullptr);
    std::vector<Guif::TextBox::TextBlock> const& blocks = box->GetBlocks();
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks[0].text, "Ann got married.");
    EXPECT_EQ(blocks[1].text, "");
    EXPECT_EQ(blocks[2].text, "Bert had a baby girl.");
    EXPECT_EQ(blocks[3].text, "");
    EXPECT_EQ(blocks[4].text, "Cleo retired.");

    Draw([&](Norv::Surface* surface) { skip.drawSelf(surface); });
    SaveShot();
    // The cream panel at its left, the ink of the lines across its middle,
    // and the OK key's orange below them.
    EXPECT_TRUE(Near(212, 420, {0xff, 0xfa, 0xf0}, 8));
    int ink = 0;
    for (int y = 294; y < 524; ++y)
        for (int x = 232; x < 792; ++x)
            ink += NorvTest::SameColour(At(x, y), {0xff, 0xfa, 0xf0}, 40) ? 0 : 1;
    EXPECT_GT(ink, 500);
    EXPECT_TRUE(Near(512 - 140, 154 + 390 + 26, {0xff, 0xb5, 0x2e}, 40));
}

TEST_F(SkipReportDrawing, ASkipWithoutLinesShowsNothing)
{
    CSkipManager& skip = CSkipManager::GetSkipManager();
    skip.SetSkipping(true);
    skip.SetSkipping(false);
    EXPECT_FALSE(skip.HasSkipToProcess());
    skip.StartSkipReport();
    EXPECT_EQ(page->GetTextBox()->GetBlocks().size(), 1u);
}

} // namespace
