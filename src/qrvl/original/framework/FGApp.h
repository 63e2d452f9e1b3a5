// The game's application object: it builds the run-time services at
// start-up (mounts, dictionaries, registry, mixer, texts in the chosen
// language, the engine object) and forwards every platform call to the
// engine object.
#pragma once

#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"

#include <map>
#include <memory>

class FGEngine;

namespace Norv {
class PakMount;
class RegistryKey;
class Surface;
}

class FGApp : public Norv::SdlApplication {
public:
    // 32-bit depth buffer, cursor hidden.
    static constexpr unsigned int kFlags = DepthBuffer32 | HideCursor;
    static constexpr char const* kRegistryFile = "registry.xml";
    static constexpr char const* kSettingsPath = "/qrvl/settings";
    static constexpr char const* kLanguageKey = "/qrvl/settings/Language";
    // The language of a start whose setting names none the game has.
    static constexpr char const* kDefaultLanguage = "en";
    static constexpr char const* kOsLanguageKey = "/qrvl/settings/OsLanguage";
    // The game's version, set at every start for the about texts.
    static constexpr char const* kVersionKey = "/application/version";

    FGApp();
    ~FGApp() override;

    void OnStartup() override;
    void OnShutdown() override;
    void OnKeyPress(Norv::KeyCode key) override;
    void OnCharacterTyped(unsigned int character) override;
    void OnKeyRelease(Norv::KeyCode key) override;
    // The Pause key suspends the engine object and resumes it.
    void OnFocusChange(bool focused) override;
    void OnUpdate(Norv::NorvFloat const& seconds) override;
    void OnRender(Norv::Surface* surface) override;
    bool WantsNextFrameAtOnce() const override;
    void OnResize(int, int) override {}
    void OnTouchDown(int x, int y, int id) override;
    void OnTouchUp(int x, int y, int id) override;
    void OnTouchMove(int x, int y, int id) override;
    void OnScrollUp(int x, int y) override;
    void OnScrollDown(int x, int y) override;
    bool OpenWebBrowser(Norv::WideString const& url) override;

    FGEngine* getEngine() const { return engine.get(); }
    bool IsSupportedLanguage(Norv::NarrowString const& key) const;

    // The language map's key for a system language code such as "en-GB".
    static Norv::NarrowString LanguageKeyForCode(Norv::NarrowString const& code);
    static void OnLanguageChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey* key);

private:
    // False when the game's files cannot show even a message; the program
    // then ends with status 1, having named the file.
    bool MountFiles();
    // Keeps the bytes of a settings file that could not be read as its
    // ".bad" copy before the game's defaults replace it.
    static void KeepDamagedRegistry();
    void FailOnDataFile(char const* archive);
    void CreateServices();
    // A change of the system language since the last run selects it.
    void InitLocale();
    // Sets the language to the default when the setting names none we have.
    void ChooseDefaultLanguage();
    void LoadTexts(Norv::NarrowString const& languageKey);
    bool allocEngine();
    void freeEngine();

    std::map<Norv::NarrowString, Norv::NarrowString> languageFiles;
    std::unique_ptr<FGEngine> engine;
    int mouseX = 0;
    int mouseY = 0;
    Norv::SmartPtr<Norv::Surface> cursor;
    Norv::SmartPtr<Norv::PakMount> drawingArchive;
    bool failed = false;
    bool commandHeld = false;
    bool firstFrameDrawn = false;
    bool frontEndLoaded = false;
};
