// The loading screen: its script's picture and the progress bar.
#include "qrvl/original/frontend/ScriptLoadingScreen.h"

#include "norv/graphics/Color.h"
#include "norv/graphics/Surface.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <algorithm>

namespace {

// The bar's place as fractions of the layout: centred, below the loading
// line, and its thickness; framed in the logo's blue, filled with its
// orange over a white track.
constexpr float kBarWidth = 0.4f;
constexpr float kBarTop = 0.66f;
constexpr float kBarThickness = 0.025f;
constexpr int kBorder = 3;
constexpr int kFullProgress = 100;
Norv::Color const kFrame(0x1e, 0x5a, 0x8c);
Norv::Color const kTrack(0xff, 0xfa, 0xf0);
Norv::Color const kFill(0xff, 0xb5, 0x2e);

} // namespace

ScriptLoadingScreen::ScriptLoadingScreen(QuorvelEngine& engine_)
    : engine(engine_), screen(new qrvl::TranslatableScreen(0, nullptr))
{
    qrvl::LuaHelper::runScreenScript(screen->GetLua(), "menu/loading.lua", &qrvl::LuaHelper::setupLuaGlobals);
}

void ScriptLoadingScreen::Render(Norv::Surface* surface, float dx, float dy)
{
    screen->Render(surface, dx, dy);
    RenderProgressBar(surface, dx, dy);
}

void ScriptLoadingScreen::RenderProgressBar(Norv::Surface* surface, float dx, float dy) const
{
    BaseLayout const layout = FrontEndHooks::Get().GetBaseLayout();
    if (!surface || layout.width >= BaseLayout::kWholeWindow)
        return;
    int const width = static_cast<int>(static_cast<float>(layout.width) * kBarWidth);
    int const height = std::max(static_cast<int>(static_cast<float>(layout.height) * kBarThickness), 3 * kBorder);
    int const left = layout.offsetX + static_cast<int>(dx) + (layout.width - width) / 2;
    int const top = layout.offsetY + static_cast<int>(dy) + static_cast<int>(static_cast<float>(layout.height) * kBarTop);
    surface->DrawFilledRectangle(left, top, left + width, top + height, kFrame);
    int const innerLeft = left + kBorder;
    int const innerTop = top + kBorder;
    int const innerBottom = top + height - kBorder;
    int const innerWidth = width - 2 * kBorder;
    surface->DrawFilledRectangle(innerLeft, innerTop, innerLeft + innerWidth, innerBottom, kTrack);
    int const progress = std::clamp(engine.getLoadProgress(), 0, kFullProgress);
    int const filled = innerWidth * progress / kFullProgress;
    if (filled > 0)
        surface->DrawFilledRectangle(innerLeft, innerTop, innerLeft + filled, innerBottom, kFill);
}
