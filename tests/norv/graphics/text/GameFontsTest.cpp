// The game's fonts, as the build packs them: every font of both asset
// sizes loads, and a flat-bottomed capital stands on the baseline that the
// screen scripts place text by.
#include "norv/graphics/FontEx.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Norv;

// Coverage from which a sheet pixel counts as ink.
constexpr unsigned char kInk = 128;

struct GameFont {
    char const* name;
    int baselineNormal;
    int baselineLarge;
};

GameFont const kGameFonts[] = {
    {"arial_large", 21, 34},      {"arial_main_menu", 23, 36}, {"arial_small", 15, 22},   {"arial_title", 23, 32},
    {"arial_card_small", 15, 20}, {"funhouse", 17, 24},        {"georgia_large", 27, 41}, {"georgia_small", 15, 20},
};

// The number of rows from the glyph cell's top down to its lowest ink.
int InkDepth(FontEx const& font, wchar_t code)
{
    auto const* sheet = static_cast<PixelDataGL const*>(font.bitmap->GetPixelData());
    RectT<int> const& glyph = font.GetRect(code);
    for (int row = glyph.height - 1; row >= 0; --row) {
        for (int column = 0; column < glyph.width; ++column) {
            std::size_t const at = static_cast<std::size_t>(glyph.y + row) *
                                       static_cast<std::size_t>(sheet->GetTextureWidth()) +
                                   static_cast<std::size_t>(glyph.x + column);
            if (sheet->GetImageData()->data[at] >= kInk)
                return row + 1;
        }
    }
    return 0;
}

TEST(GameFonts, StandOnTheirBaselinesAtBothAssetSizes)
{
    for (char const* size : {"normal", "large"}) {
        Vfs::Initialize();
        std::string const pak = std::string(QUORVEL_RESOURCES_DIR) + "/assets-" + size + ".pak";
        ASSERT_TRUE(MountPak(pak.c_str(), "", 1)) << pak;
        for (GameFont const& game : kGameFonts) {
            std::string const name = std::string("fonts/") + game.name;
            SmartPtr<FontEx> font(new FontEx(name + ".xml", name + ".png"));
            ASSERT_TRUE(font->bitmap && font->GetGlyphCount() > 0) << name << " " << size;
            EXPECT_EQ(font->bitmap->GetPixelData()->GetFormat(), A8) << name;
            int const baseline = std::string(size) == "normal" ? game.baselineNormal : game.baselineLarge;
            EXPECT_EQ(InkDepth(*font, L'H'), baseline) << name << " " << size;
        }
        Vfs::Shutdown();
    }
}

} // namespace
