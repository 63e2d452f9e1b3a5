// The game's engine object: it owns the mode stack and the resource loader,
// runs the launch of a game behind the loading screen, gates input while
// the stack changes or a game loads, and holds lastChoice, the answer that
// a choice screen or dialog leaves for the screen below it.
#pragma once

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/LoadingScreen.h"
#include "qrvl/original/framework/ScreenAnswer.h"

#include "contrib/pvr/PVRTResourceFile.h"
#include "norv/base/core/SmartPtr.h"

#include <memory>

namespace Norv {
class PakReadAhead;
}

class QuorvelEngine : public FGEngine {
public:
    // The board's models and textures: the most of what a game loads.
    static constexpr char const* kBoardArchive = "board.pak";

    enum GameMode : int {
        GameModeSingle = 0,
        GameModePassAndPlay = 1,
        GameModeParty = 2,
    };

    // Room of the resource loader: the 3D world's loading steps and more.
    static constexpr int kResourceCapacity = 500;
    static constexpr char const* kOptionsFile = "options.dat";
    // The primary pak archive of the framework's file system.
    static constexpr char const* kPrimaryPak = "quorvel.pak";
    // The button id that starts skipping the board's animations.
    static constexpr int kSkipButtonId = 198;
    // Both softkey records of the phone editions.
    struct Softkey {
        bool shown = false;
        int code = 0;
    };

    QuorvelEngine();
    ~QuorvelEngine() override;

    void init() override;
    void onKeyPressed(int key) override;
    void onKeyReleased(int key) override;
    void onCharacterTyped(unsigned int character) override;
    void onButtonSelected(CGuiFrameTouchButton* button) override;
    void onDrawSelf(Norv::Surface* surface) override;
    void onTick() override;
    void onPause() override;
    void onResume() override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void onMouseWheel(int steps) override;
    bool shouldRender() override;
    bool isBusy() const override { return loading; }
    float GetTimeDistortionFactor() const override;

    // Loads the world behind the loading screen, then sets the game mode.
    virtual void launchGame(bool loadSaved, GameMode mode, bool network);
    // Selects the language of the text substitutions.
    virtual void setLanguage(int index);
    virtual int getLanguage() const { return language; }
    virtual int softkeyHeight() const { return softkeyHeightValue; }
    virtual bool isPositiveSoftkey(int key) const { return positiveSoftkey.shown && positiveSoftkey.code == key; }
    virtual void positiveSoftkeySet(int key);
    virtual void positiveSoftkeyShow(bool) {}
    virtual bool isNegativeSoftkey(int key) const { return negativeSoftkey.shown && negativeSoftkey.code == key; }
    virtual void negativeSoftkeySet(int key);
    // Shows or hides the HUD's pause button.
    virtual void negativeSoftkeyShow(bool shown);
    // Pause and resume every registered timer.
    virtual void megaPause();
    virtual void megaResume();

    int getClassID() const { return 0; }
    void registerSounds() {}
    GameMode getGameMode() const { return gameMode; }
    FGModeManager* getModeManager() const { return modeManager.get(); }
    FGResLoader* getResLoader() const { return resLoader.get(); }
    FGStringManager* getStringManager() const { return stringManager.get(); }

    // Writes the language, the sound front's flags and the version.
    bool writeOptions();
    // The stored levels when they are usable, else half volume for both.
    void setVolumeFromOptions();
    float getMusicLevel() const { return musicLevel; }
    float getEffectsLevel() const { return effectsLevel; }
    bool getOptionFlag() const { return optionFlag; }

    bool isLoading() const { return loading; }
    bool isLoadingShown() const { return loadingShown; }
    int getLoadProgress() const { return loadProgress; }
    bool isInFrontEnd() const { return inFrontEnd; }
    void setInFrontEnd(bool value) { inFrontEnd = value; }
    bool isFirstRun() const { return firstRun; }
    bool isTutorialDone() const { return tutorialDone; }
    void setTutorialDone(bool value) { tutorialDone = value; }
    void setSaveOptionsOnExit(bool value) { saveOptionsOnExit = value; }
    void setRenderWorld(bool value) { renderWorld = value; }
    void setWorldPaused(bool value) { worldPaused = value; }

    // The answer of the last choice screen or dialog.
    int lastChoice = 0;

private:
    // Input reaches the modes only while the stack is settled and no game loads.
    bool acceptsInput() const;
    // The options file's settings, or the defaults when it holds none; a
    // start without options counts as the first run.
    void readOptions();
    // One step of the launch and loading state, once per tick.
    void advanceLaunch();
    // The game mode of the launched game type, on the empty stack.
    void startGameMode();

    std::unique_ptr<FGResLoader> resLoader;
    std::unique_ptr<FGModeManager> modeManager;
    std::unique_ptr<FGStringManager> stringManager;
    Softkey positiveSoftkey;
    Softkey negativeSoftkey;
    int softkeyHeightValue = 0;
    bool launchRequested = false;
    bool loading = false;
    bool loadingShown = false;
    int loadProgress = 0;
    bool loadSaved = false;
    GameMode gameMode = GameModeSingle;
    bool networkGame = false;
    bool launching = false;
    bool loadStarted = false;
    std::uint32_t loadStartMs = 0;
    int language = 0;
    bool optionFlag = false;
    bool inFrontEnd = false;
    bool firstRun = false;
    bool tutorialDone = false;
    bool saveOptionsOnExit = false;
    float musicLevel = -1.0f;
    float effectsLevel = -1.0f;
    Norv::SmartPtr<LoadingScreen> loadingScreen;
    // Held while a game loads: its models and textures are read one after
    // another into one buffer.
    std::unique_ptr<CPVRTResourceFile::ReuseBuffers> loadReadBuffers;
    // Held while a game loads: the board's archive is decoded on a worker
    // thread while this one uploads and draws.
    std::unique_ptr<Norv::PakReadAhead> boardReadAhead;
};

// The game's engine object, for the application object.
FGEngine* createEngine();
