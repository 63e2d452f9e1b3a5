// The resolution manager: chooses once, from the window size, the supported
// base size the 2D art is laid out against, where that area sits in the
// window, which background and asset packs to mount, and the layout numbers
// the screen scripts read.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"

namespace qrvl {

class ResManager : public Norv::RefCounter {
public:
    // Rows of the base-size table that the search looks at; the row after
    // them is the fallback for windows smaller than all of them.
    static constexpr int kSupportedSizes = 8;
    static constexpr int kUnsupported = kSupportedSizes;
    static constexpr int kFontCount = 7;

    enum AssetSize { AssetsNormal = 0, AssetsLarge = 1 };

    // Makes the one instance from the current window's size.
    static ResManager* Create();
    static ResManager* GetInstance();

    // Chooses from the application display's screen size.
    void Init();
    // Chooses for a window of that many pixels.
    void Init(int windowWidth, int windowHeight);

    bool IsResolutionSupported() const { return resolutionIndex != kUnsupported; }
    int GetResolutionIndex() const { return resolutionIndex; }
    int GetAssetSize() const { return assetSize; }
    int GetOffsetX() const { return offsetX; }
    int GetOffsetY() const { return offsetY; }
    int GetBaseWidth() const { return baseWidth; }
    int GetBaseHeight() const { return baseHeight; }

    char const* GetBkgPak() const;
    char const* GetAssetsPak() const;
    char const* GetBkgFolder() const;
    char const* GetAssetsFolder() const;

    // Baselines of arial large, arial main menu, arial small, arial title,
    // funhouse, georgia large and georgia small.
    int const* GetFontSizes() const;
    int GetPoleArrowCenterY() const;
    int GetHUDStatsHeight() const;
    int GetHUDTopMargin() const;
    int GetLoaderScrollerY() const;
    int GetSliderRangeX() const;
    int GetPlayerArrowCenterY() const;

private:
    int resolutionIndex = kUnsupported;
    int assetSize = AssetsNormal;
    int offsetX = 0;
    int offsetY = 0;
    int baseWidth = 0;
    int baseHeight = 0;
};

struct BaseResolution {
    int width;
    int height;
};

extern Norv::SmartPtr<ResManager> g_resManager;
extern BaseResolution const g_baseResolutionSize[ResManager::kSupportedSizes + 1];
extern int const g_assetSize[ResManager::kSupportedSizes + 1];
extern char const* const g_bkgPak[ResManager::kSupportedSizes + 1];
extern char const* const g_bkgFolder[ResManager::kSupportedSizes + 1];
extern char const* const g_assetsPak[2];
extern char const* const g_assetsFolder[2];
extern int const g_fontBaselines[2][ResManager::kFontCount];

} // namespace qrvl
