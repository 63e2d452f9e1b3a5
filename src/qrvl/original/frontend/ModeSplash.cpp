// The splash: logos, start-up checks, then the main menu.
#include "qrvl/original/frontend/ModeSplash.h"

#include "norv/vfs/Vfs.h"
#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGSoundManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/frontend/ModeMainMenu.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/original/phone/text/CLocalise.h"

#include <SDL_opengl.h>

#include <cstdio>
#include <memory>

char const ModeSplash::className[] = "ModeSplash";

Norv::Lunar<ModeSplash>::RegType ModeSplash::methods[] = {
    {nullptr, nullptr},
};

namespace {

// Room the three save files may take, in bytes, for the save-space check.
constexpr int kSaveSpaceBytes = 4000;
constexpr char const* kSaveFiles[] = {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav"};
constexpr char const* kOptionsFile = "options.dat";

bool PartnerLogoPresent()
{
    Norv::SmartPtr<Norv::File> file = Norv::OpenFile(ModeSplash::kPartnerLogoFile);
    return file && file->GetLength() > 0;
}

} // namespace

ModeSplash::ModeSplash() : hasPartner(PartnerLogoPresent())
{
    totalMs = hasPartner ? kTotalWithPartnerMs : kTotalMs;
    logoCount = hasPartner ? 3 : 2;
}

void ModeSplash::init()
{
    state = Checks;
    qrvl::HideSoftkeys();
    ProcessLanguage();
    if (screen)
        return;
    screen = new qrvl::TranslatableScreen(0, nullptr);
    qrvl::LuaHelper::runScreenScript(screen->GetLua(), hasPartner ? "menu/splash.lua" : "menu/splashOld.lua",
                                     [this](Norv::Lua* lua) {
                                         Norv::Lunar<ModeSplash>::Register(lua->GetState());
                                         Norv::Lunar<ModeSplash>::push(lua->GetState(), this, false);
                                         lua->RegisterGlobal("callback");
                                         qrvl::LuaHelper::setupLuaGlobals(lua);
                                     });
    ApplyTimeline();
}

// The logos and the background are read after the first frame, which needs
// none of them: it shows the first logo at alpha 0.
void ModeSplash::LoadLaterPictures()
{
    Norv::Lua* lua = screen ? screen->GetLua() : nullptr;
    if (!lua)
        return;
    int const top = lua_gettop(lua->GetState());
    if (char const* error = lua->Call("LoadLaterPictures", 0, 0))
        std::fprintf(stderr, "The splash's later pictures: %s\n", error);
    lua_settop(lua->GetState(), top);
    firstLogo = screen->FindControl("KesmidLogo");
    secondLogo = screen->FindControl("VornakLogo");
    partnerLogo = hasPartner ? screen->FindControl("PartnerLogo") : nullptr;
    background = screen->FindControl("background");
    ApplyTimeline();
}

void ModeSplash::ProcessLanguage()
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (engine && !engine->getFileSystem().fileExists(kOptionsFile) &&
        CLocalise::GetLocalise()->GetLanguage() != CLocalise::kEnglishUK)
        engine->setLanguage(CLocalise::kEnglishUK);
}

int ModeSplash::LogoAlpha(int t, int start)
{
    int const sinceStart = t - start;
    if (sinceStart < kFadeMs)
        return sinceStart * 255 / kFadeMs;
    int const fadeOutStart = kLogoMs - kFadeMs;
    if (sinceStart >= fadeOutStart)
        return 255 - (sinceStart - fadeOutStart) * 255 / kFadeMs;
    return 255;
}

void ModeSplash::ShowOnly(Guif::Control* shown, int alpha)
{
    for (Guif::Control* control : {firstLogo, secondLogo, partnerLogo, background}) {
        if (!control || !control->HasVisibility())
            continue;
        control->SetVisibleFlag(control == shown);
    }
    if (shown && shown->HasAlphaMark() && alpha >= 0)
        shown->SetOwnAlpha(alpha);
}

void ModeSplash::ApplyTimeline()
{
    if (elapsed >= totalMs)
        return;
    int const logo = elapsed / kLogoMs;
    if (logo >= logoCount) {
        phase = Background;
        ShowOnly(background, -1);
        return;
    }
    Guif::Control* const logos[] = {firstLogo, secondLogo, partnerLogo};
    phase = FirstLogo + logo;
    ShowOnly(logos[logo], LogoAlpha(elapsed, logo * kLogoMs));
}

void ModeSplash::RunStartupChecks()
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (!engine)
        return;
    auto fileSystem = std::make_unique<FGFileSystem>();
    int room = kSaveSpaceBytes;
    for (char const* save : kSaveFiles)
        if (fileSystem->fileExists(save))
            room -= fileSystem->getFileLength(save);
    if (!fileSystem->brewVerifySaveSpace(room)) {
        state = Stopped;
        engine->setSaveOptionsOnExit(false);
        return;
    }
    qrvl::ResManager const* layout = qrvl::ResManager::GetInstance();
    state = layout && !layout->IsResolutionSupported() ? TooSmall : Ready;
    engine->setSaveOptionsOnExit(true);
}

void ModeSplash::tick()
{
    // The first tick comes before the first frame; the second after it.
    if (++ticks == 2)
        LoadLaterPictures();
    // The first frame shows the timeline's start, whatever the start-up
    // took since the tick timer was reset: the first logo at alpha 0, which
    // is not drawn, so that frame needs no picture and no texturing program.
    int const frameMs = ticks == 1 ? 0 : qrvl::LastFrameMs();
    double const seconds = frameMs / 1000.0;
    if (screen)
        screen->Update(seconds);
    elapsed += static_cast<int>(static_cast<float>(seconds) * 1000.0f);
    ApplyTimeline();

    switch (state) {
    case Checks:
        RunStartupChecks();
        return;
    case Ready:
        activate();
        return;
    case TooSmall: {
        ModeYesNo* message = new ModeYesNo;
        message->init(FGStringManager::getString("S_RESOLUTION_TOO_LOW"), nullptr, nullptr, nullptr, false, true);
        qrvl::PushMode(message);
        return;
    }
    case Loading:
        countdown -= frameMs;
        if (countdown < 1) {
            ModeMainMenu* menu = new ModeMainMenu;
            menu->init();
            qrvl::SetOnlyMode(menu);
        }
        return;
    default:
        return;
    }
}

void ModeSplash::drawSelf(Norv::Surface* surface)
{
    if (phase == SecondLogo) {
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    if (screen)
        screen->Render(surface, 0.0f, 0.0f);
}

void ModeSplash::keyPressed(int key)
{
    if (screen && screen->CanReceiveEvents())
        screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

void ModeSplash::keyReleased(int key)
{
    if (key == Norv::KEY_ESCAPE)
        DetectState();
}

void ModeSplash::onTouchUp(int, int, int id)
{
    if (id == 0)
        DetectState();
}

void ModeSplash::activate()
{
    QuorvelMode::activate();
    switch (state) {
    case TooSmall:
        if (QuorvelEngine* engine = qrvl::GetGameEngine())
            engine->exitApp();
        return;
    case Ready:
        ProcessSoundPromptOption();
        return;
    default:
        return;
    }
}

void ModeSplash::ProcessSoundPromptOption()
{
    LoadIngameDataBehindSplash();
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (!engine)
        return;
    engine->getSoundManager().setSoundOn(true);
    engine->setVolumeFromOptions();
    engine->writeOptions();
}

void ModeSplash::LoadIngameDataBehindSplash()
{
    PresentationHooks::Get().LoadIngameResources(totalMs);
    countdown = totalMs;
    state = Loading;
}

void ModeSplash::DetectState()
{
    // The countdown left after a skip from each logo, by logo count; the
    // partner splash gives its partner logo and background 6000 ms.
    static constexpr int kCountdownAfterSkip[2][3] = {{8000, 3000, 0}, {13000, 6000, 3000}};
    if (phase < FirstLogo || phase > logoCount)
        return;
    countdown = kCountdownAfterSkip[hasPartner ? 1 : 0][phase - 1];
    elapsed = phase * kLogoMs;
    ApplyTimeline();
}
