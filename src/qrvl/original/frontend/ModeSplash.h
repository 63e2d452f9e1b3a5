// The first mode: two company logos (three with a partner logo), then the
// background, while the start-up checks run and the in-game data loads;
// then the main menu takes over. A tap or Escape skips to the next logo.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"

namespace Guif {
class Control;
}

class ModeSplash : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum StartupState { Ready = 0, Checks = 6, Stopped = 7, MusicQuestion = 8, Loading = 9, TooSmall = 10 };
    enum Phase { FirstLogo = 1, SecondLogo = 2, PartnerLogo = 3, Background = 4 };

    static constexpr char const* kPartnerLogoFile = "properties/partner_logo.png";
    // Each logo's share of the timeline and the length of its fades, in ms.
    static constexpr int kLogoMs = 5000;
    static constexpr int kFadeMs = 1000;
    // The whole splash, with and without the partner logo, in ms.
    static constexpr int kTotalWithPartnerMs = 18000;
    static constexpr int kTotalMs = 13000;

    static char const className[];
    static Norv::Lunar<ModeSplash>::RegType methods[];

    ModeSplash();

    void init() override;
    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void keyPressed(int key) override;
    void keyReleased(int key) override;
    void onTouchUp(int x, int y, int id) override;
    void activate() override;

    // Skips to the next logo.
    void DetectState();

    // The alpha of a logo shown from `start` at elapsed time `t`.
    static int LogoAlpha(int t, int start);

    int GetState() const { return state; }
    int GetPhase() const { return phase; }
    int GetElapsed() const { return elapsed; }
    int GetCountdown() const { return countdown; }
    bool HasPartnerLogo() const { return hasPartner; }
    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

private:
    void ProcessLanguage();
    void ProcessSoundPromptOption();
    void ProcessUserMusicPromptOption();
    void LoadIngameDataBehindSplash();
    void RunStartupChecks();
    void LoadLaterPictures();
    void ApplyTimeline();
    void ShowOnly(Guif::Control* shown, int alpha);

    int state = Checks;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
    int countdown = 0;
    int phase = FirstLogo;
    int elapsed = 0;
    int totalMs = kTotalMs;
    int logoCount = 2;
    bool hasPartner = false;
    Guif::Control* firstLogo = nullptr;
    Guif::Control* secondLogo = nullptr;
    Guif::Control* partnerLogo = nullptr;
    Guif::Control* background = nullptr;
    int ticks = 0;
};
