// The game's engine object.
#include "qrvl/original/framework/QuorvelEngine.h"

#include "norv/application/BenchFrameLimit.h"
#include "norv/graphics/Batcher.h"
#include "norv/graphics/GLCaps.h"
#include "norv/graphics/OpenGL.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGMode.h"
#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/port/SoundManager.h"

#include <SDL_opengl.h>

#include <cstdio>
#include <cstring>

namespace {

// The softkeys' codes of the phone editions.
constexpr int kPositiveSoftkeyCode = 0;
constexpr int kNegativeSoftkeyCode = 2;
constexpr int kLoadComplete = 100;
// Loading steps run for at most this long a frame, and the main loop does
// not sleep between such frames: the loading screen keeps moving at about
// 30 frames a second while the board loads as fast as the machine allows.
// Shorter slices cost more than they show: each frame between them redraws
// the whole loading screen.
constexpr std::uint32_t kLoadSliceMs = 33;
// The main menu's message when a game cannot start.
constexpr char const* kGameNotStartedText = "S_GAME_NOT_STARTED";
// The options file: language, sound on, vibrate on and the option flag, one
// byte each; music and effects levels, big-endian 16 bits each; a zero
// byte; then the version text with its zero byte.
constexpr int kOptionsLanguage = 0;
constexpr int kOptionsSoundOn = 1;
constexpr int kOptionsVibrateOn = 2;
constexpr int kOptionsFlag = 3;
constexpr int kOptionsMusicLevel = 4;
constexpr int kOptionsEffectsLevel = 6;
// Shorter files hold no usable options.
constexpr int kOptionsMinBytes = 9;
// The level both volumes take without usable stored ones.
constexpr float kDefaultLevel = 0.5f;

int BigEndian16(unsigned char const* bytes)
{
    return bytes[0] << 8 | bytes[1];
}

// Vertex attribute arrays the shader path of the batcher may leave enabled.
constexpr GLuint kBatcherAttributeArrays = 3;

} // namespace

FGEngine* createEngine()
{
    return new QuorvelEngine;
}

QuorvelEngine::QuorvelEngine() : resLoader(new FGResLoader)
{
    getFileSystem().brewSetPrimaryPakName(kPrimaryPak);
}

QuorvelEngine::~QuorvelEngine()
{
    modeManager.reset();
    resLoader->clear();
    resLoader.reset();
    stringManager.reset();
    if (saveOptionsOnExit)
        writeOptions();
    loadingScreen.Release();
}

void QuorvelEngine::init()
{
    inFrontEnd = true;
    loadSaved = false;
    stringManager.reset(new FGStringManager);
    tutorialDone = false;
    getSoundManager().init();
    readOptions();

    resLoader->init(kResourceCapacity);
    resLoader->loadAllResources();

    positiveSoftkeySet(kPositiveSoftkeyCode);
    negativeSoftkeySet(kNegativeSoftkeyCode);

    modeManager.reset(new FGModeManager(true));
    if (FGMode* splash = FrontEndHooks::Get().CreateSplashMode()) {
        splash->init();
        modeManager->setMode(splash);
    }

    loading = loadingShown = false;
    loadProgress = 0;
    launchRequested = launching = loadStarted = false;
    if (firstRun)
        optionFlag = false;
}

namespace {

// A language number the game has no texts for (a damaged or foreign
// options file) stands for the first language.
int KnownLanguage(int index)
{
    return index >= 0 && index < CLocalise::kLanguageCount ? index : 0;
}

} // namespace

void QuorvelEngine::readOptions()
{
    std::unique_ptr<FGData> const options = getFileSystem().getFile(kOptionsFile);
    FGSoundManager& sound = getSoundManager();
    if (!options || options->getLength() < kOptionsMinBytes) {
        setLanguage(0);
        sound.setSoundOn(true);
        sound.setVibrateOn(true);
        optionFlag = false;
        firstRun = true;
        return;
    }
    unsigned char const* bytes = options->getData();
    setLanguage(KnownLanguage(bytes[kOptionsLanguage]));
    // The splash switches sound on.
    sound.setSoundOn(false);
    sound.setVibrateOn(bytes[kOptionsVibrateOn] == 1);
    optionFlag = bytes[kOptionsFlag] == 1;
    musicLevel = static_cast<float>(BigEndian16(bytes + kOptionsMusicLevel));
    effectsLevel = static_cast<float>(BigEndian16(bytes + kOptionsEffectsLevel));
    firstRun = false;
}

bool QuorvelEngine::writeOptions()
{
    FGSoundManager const& sound = getSoundManager();
    FGDataWriter writer;
    writer.writeByte(static_cast<unsigned char>(KnownLanguage(getLanguage())));
    writer.writeBoolean(sound.isSoundOn());
    writer.writeBoolean(sound.isVibrateOn());
    writer.writeBoolean(optionFlag);
    // The levels are kept by the registry's volume settings now.
    writer.writeShort(0);
    writer.writeShort(0);
    writer.writeByte(0);
    char const* version = PresentationHooks::Get().GetAppVersion();
    writer.writeToData(version, static_cast<int>(std::strlen(version)) + 1);
    std::unique_ptr<FGData> const body = writer.getData();
    return getFileSystem().putFile(kOptionsFile, body.get());
}

void QuorvelEngine::setVolumeFromOptions()
{
    // Nothing plays the user's own music on this platform.
    if (musicLevel >= 0.0f && effectsLevel >= 0.0f && !firstRun && musicLevel != 0.0f)
        return;
    musicLevel = effectsLevel = kDefaultLevel;
}

void QuorvelEngine::setLanguage(int index)
{
    CLocalise* localise = CLocalise::GetLocalise();
    localise->SetLanguage(static_cast<short>(index));
    localise->LoadData();
    language = index;
}

bool QuorvelEngine::acceptsInput() const
{
    return modeManager && !modeManager->hasPendingAction() && !loading;
}

void QuorvelEngine::onKeyPressed(int key)
{
    if (acceptsInput())
        modeManager->keyPressed(key);
}

void QuorvelEngine::onKeyReleased(int key)
{
    if (acceptsInput())
        modeManager->keyReleased(key);
}

void QuorvelEngine::onCharacterTyped(unsigned int character)
{
    if (acceptsInput())
        modeManager->characterTyped(character);
}

void QuorvelEngine::onTouchUp(int x, int y, int id)
{
    if (acceptsInput())
        modeManager->onTouchUp(x, y, id);
}

void QuorvelEngine::onTouchDown(int x, int y, int id)
{
    if (acceptsInput())
        modeManager->onTouchDown(x, y, id);
}

void QuorvelEngine::onTouchMove(int x, int y, int id)
{
    if (acceptsInput())
        modeManager->onTouchMove(x, y, id);
}

void QuorvelEngine::onMouseWheel(int steps)
{
    if (acceptsInput())
        modeManager->mouseWheel(steps);
}

void QuorvelEngine::onButtonSelected(CGuiFrameTouchButton* button)
{
    if (!acceptsInput() || !button)
        return;
    if (button->id == kSkipButtonId)
        PresentationHooks::Get().SetSkipping(true, false);
    else
        modeManager->buttonSelected(button);
}

void QuorvelEngine::onPause()
{
    if (modeManager)
        modeManager->pause();
}

void QuorvelEngine::onResume()
{
    if (modeManager)
        modeManager->resume();
}

bool QuorvelEngine::shouldRender()
{
    return !PresentationHooks::Get().IsSkipping();
}

float QuorvelEngine::GetTimeDistortionFactor() const
{
    FGMode const* top = modeManager ? modeManager->getCurrentMode() : nullptr;
    return top ? top->GetTimeDistortionFactor() : 1.0f;
}

void QuorvelEngine::onTick()
{
    if (modeManager)
        modeManager->tick();
    getSoundManager().tick();
    PresentationHooks::Get().Update(getTickTime(), worldPaused);
    advanceLaunch();
}

void QuorvelEngine::advanceLaunch()
{
    if (launchRequested) {
        loadStarted = loading = loadingShown = true;
        launchRequested = false;
        loadStartMs = clock();
        loadReadBuffers = std::make_unique<CPVRTResourceFile::ReuseBuffers>();
        boardReadAhead = std::make_unique<Norv::PakReadAhead>(Norv::FindPak(kBoardArchive));
        return;
    }
    if (!loading) {
        loadingShown = false;
        loadReadBuffers.reset();
        boardReadAhead.reset();
        // The next launch makes it again: its pictures, a background the
        // size of the window among them, would otherwise stay in memory for
        // the whole game.
        loadingScreen.Release();
        return;
    }
    if (loadingScreen)
        loadingScreen->Update(PresentationHooks::Get().GetLastFrameTimeMs() / 1000.0f);
    std::uint32_t const sliceStart = clock();
    do
        resLoader->loadNextResource();
    while (!resLoader->allResourcesLoaded() && clock() - sliceStart < kLoadSliceMs);
    loadProgress = resLoader->getProgress(FGResLoader::ProgressByCount);
    if (loadProgress < kLoadComplete)
        return;
    if (modeManager && modeManager->getCurrentMode()) {
        modeManager->popMode();
        return;
    }
    if (Norv::BenchFrameLimit::FromEnvironment().IsActive())
        std::fprintf(stderr, "bench: game_load_s=%.3f\n", (clock() - loadStartMs) / 1000.0);
    startGameMode();
}

void QuorvelEngine::startGameMode()
{
    loading = launching = inFrontEnd = false;
    SoundManager& sound = SoundManager::GetInstance();
    sound.StopSoundSpec("theme_music");
    sound.PlaySound("ingame_music");
    GameFlowHooks::GameKind kind = GameFlowHooks::SingleGame;
    if (networkGame)
        kind = GameFlowHooks::NetworkGame;
    else if (gameMode == GameModePassAndPlay)
        kind = GameFlowHooks::PassAndPlay;
    else if (gameMode == GameModeParty)
        kind = GameFlowHooks::Party;
    FGMode* next = GameFlowHooks::Get().CreateGameMode(kind, loadSaved);
    if (next && PresentationHooks::Get().IsBoardUnreadable()) {
        // The rules could start, but nothing of the board would show.
        std::fprintf(stderr, "framework: the board's model could not be read\n");
        delete next;
        next = nullptr;
    }
    if (!next) {
        // The board or the saved game could not be read, or the variant is
        // not built: back to the main menu, saying so.
        std::fprintf(stderr, "framework: the game could not start\n");
        sound.StopSoundSpec("ingame_music");
        next = FrontEndHooks::Get().CreateMainMenu(kGameNotStartedText);
    }
    if (next && modeManager)
        modeManager->setMode(next);
    else
        delete next;
}

void QuorvelEngine::onDrawSelf(Norv::Surface* surface)
{
    if (Norv::GetGLCaps().glsl) {
        glUseProgram(0);
        for (GLuint array = 0; array < kBatcherAttributeArrays; ++array)
            glDisableVertexAttribArray(array);
    }
    PresentationHooks::Get().Render(renderWorld);
    if (Norv::g_batcher)
        Norv::g_batcher->ResetState();
    glEnable(GL_BLEND);
    if (!loading && !loadingShown) {
        if (modeManager)
            modeManager->drawSelf(surface);
    } else if (loadingScreen) {
        loadingScreen->Render(surface, 0.0f, 0.0f);
    }
}

void QuorvelEngine::launchGame(bool savedGame, GameMode mode, bool network)
{
    launchRequested = launching = true;
    // Made when a launch needs it: the start of the program needs none of it.
    if (!loadingScreen)
        loadingScreen = FrontEndHooks::Get().CreateLoadingScreen(*this);
    PresentationHooks::Get().SetupLoader(*resLoader);
    loadSaved = savedGame;
    gameMode = mode;
    networkGame = network;
}

void QuorvelEngine::positiveSoftkeySet(int key)
{
    positiveSoftkey.code = key;
    positiveSoftkeyShow(true);
}

void QuorvelEngine::negativeSoftkeySet(int key)
{
    negativeSoftkey.code = key;
    negativeSoftkeyShow(true);
}

void QuorvelEngine::negativeSoftkeyShow(bool shown)
{
    negativeSoftkey.shown = shown;
    FrontEndHooks::Get().SetPauseButtonShown(shown);
}

void QuorvelEngine::megaPause()
{
    FGPointerList& timers = getTimers();
    for (int i = 0; i < timers.getNumPointers(); ++i)
        static_cast<FGTimer*>(timers.getPointer(i))->pause();
}

void QuorvelEngine::megaResume()
{
    FGPointerList& timers = getTimers();
    for (int i = 0; i < timers.getNumPointers(); ++i)
        static_cast<FGTimer*>(timers.getPointer(i))->resume();
}
