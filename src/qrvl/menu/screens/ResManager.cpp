// The resolution manager's tables and its choice of base size.
#include "qrvl/menu/screens/ResManager.h"

#include "norv/graphics/Display.h"

#include <algorithm>
#include <cstdlib>

namespace qrvl {

Norv::SmartPtr<ResManager> g_resManager;

BaseResolution const g_baseResolutionSize[ResManager::kSupportedSizes + 1] = {
    {1024, 768}, {1152, 864}, {1280, 960}, {1360, 768}, {1366, 768},
    {1600, 900}, {1600, 1200}, {1920, 1080}, {1024, 768},
};

int const g_assetSize[ResManager::kSupportedSizes + 1] = {
    ResManager::AssetsNormal, ResManager::AssetsNormal, ResManager::AssetsNormal,
    ResManager::AssetsNormal, ResManager::AssetsNormal, ResManager::AssetsNormal,
    ResManager::AssetsLarge,  ResManager::AssetsLarge,  ResManager::AssetsNormal,
};

char const* const g_bkgPak[ResManager::kSupportedSizes + 1] = {
    "bkg-1024x768.pak", "bkg-1152x864.pak",  "bkg-1280x960.pak",  "bkg-1360x768.pak", "bkg-1366x768.pak",
    "bkg-1600x900.pak", "bkg-1600x1200.pak", "bkg-1920x1080.pak", "bkg-1024x768.pak",
};

char const* const g_bkgFolder[ResManager::kSupportedSizes + 1] = {
    "../../res/backgrounds/1024x768/",  "../../res/backgrounds/1152x864/",  "../../res/backgrounds/1280x960/",
    "../../res/backgrounds/1360x768/",  "../../res/backgrounds/1366x768/",  "../../res/backgrounds/1600x900/",
    "../../res/backgrounds/1600x1200/", "../../res/backgrounds/1920x1080/", "../../res/backgrounds/1024x768/",
};

char const* const g_assetsPak[2] = {"assets-normal.pak", "assets-large.pak"};
char const* const g_assetsFolder[2] = {"../../res/gfx/normal/", "../../res/gfx/large/"};

int const g_fontBaselines[2][ResManager::kFontCount] = {
    {21, 23, 15, 23, 17, 27, 15},
    {34, 36, 22, 34, 24, 41, 20},
};

namespace {

struct LayoutNumbers {
    int poleArrowCenterY;
    int statsHeight;
    int topMargin;
    int loaderScrollerY;
    int sliderRangeX;
    int playerArrowCenterY;
};

LayoutNumbers const kLayout[2] = {
    {46, 128, 30, 147, 193, 62},
    {64, 179, 45, 147, 269, 88},
};

} // namespace

ResManager* ResManager::Create()
{
    g_resManager = new ResManager;
    g_resManager->Init();
    return g_resManager.Get();
}

ResManager* ResManager::GetInstance() { return g_resManager.Get(); }

void ResManager::Init()
{
    Norv::Display* display = Norv::Display::GetCurrent();
    Norv::SdlSurface* screen = display ? display->GetScreen() : nullptr;
    Init(screen ? screen->GetWidth() : 0, screen ? screen->GetHeight() : 0);
}

void ResManager::Init(int windowWidth, int windowHeight)
{
    int best = kUnsupported;
    int bestDistance = 0;
    for (int row = 0; row < kSupportedSizes; ++row) {
        BaseResolution const& size = g_baseResolutionSize[row];
        if (windowWidth < size.width || windowHeight < size.height)
            continue;
        int const distance = std::abs(windowWidth - size.width) + std::abs(windowHeight - size.height);
        if (best == kUnsupported || distance < bestDistance) {
            best = row;
            bestDistance = distance;
        }
    }
    resolutionIndex = best;
    assetSize = g_assetSize[best];
    BaseResolution const& size = g_baseResolutionSize[best];
    if (best == kUnsupported) {
        offsetX = offsetY = 0;
    } else {
        offsetX = static_cast<int>((windowWidth - size.width) * 0.5);
        offsetY = static_cast<int>((windowHeight - size.height) * 0.5);
    }
    baseWidth = std::min(windowWidth, size.width);
    baseHeight = std::min(windowHeight, size.height);
}

char const* ResManager::GetBkgPak() const { return g_bkgPak[resolutionIndex]; }
char const* ResManager::GetAssetsPak() const { return g_assetsPak[assetSize]; }
char const* ResManager::GetBkgFolder() const { return g_bkgFolder[resolutionIndex]; }
char const* ResManager::GetAssetsFolder() const { return g_assetsFolder[assetSize]; }
int const* ResManager::GetFontSizes() const { return g_fontBaselines[assetSize]; }
int ResManager::GetPoleArrowCenterY() const { return kLayout[assetSize].poleArrowCenterY; }
int ResManager::GetHUDStatsHeight() const { return kLayout[assetSize].statsHeight; }
int ResManager::GetHUDTopMargin() const { return kLayout[assetSize].topMargin; }
int ResManager::GetLoaderScrollerY() const { return kLayout[assetSize].loaderScrollerY; }
int ResManager::GetSliderRangeX() const { return kLayout[assetSize].sliderRangeX; }
int ResManager::GetPlayerArrowCenterY() const { return kLayout[assetSize].playerArrowCenterY; }

} // namespace qrvl
