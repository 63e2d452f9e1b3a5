// The game's application object: start-up, shutdown and the forwarding of
// platform calls to the engine object.
#include "qrvl/original/framework/FGApp.h"

#include "norv/application/AbstractApp.h"
#include "norv/application/BenchFrameLimit.h"
#include "norv/application/DesktopServices.h"
#include "norv/base/AssetDict.h"
#include "norv/base/Lua.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/MachineKeys.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Surface.h"
#include "norv/sound/InstalledMixer.h"
#include "norv/sound/Mixer.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/posix/PlatformFolders.h"
#include "norv/vfs/posix/UserDataFile.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

// The mixer: CD-quality stereo, frames of 16384 bytes, and room for four
// channels that a play does not force.
constexpr Norv::AudioFormat kMixerFormat = {2, 44100};
constexpr Norv::MixerParams kMixerParams = {16384, 4};

// Mount flags of the engine's mount calls.
constexpr int kFirstPakFlags = 0;
constexpr int kPakFlags = Norv::VfsMount::FallThrough;
// The shipped files are only read: nothing the game writes may land there
// and leak into later runs.
constexpr int kResourcesFlags = Norv::VfsMount::FallThrough | Norv::VfsMount::ReadOnly;
constexpr int kUserFlags = Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles;
// Tests that play a whole game by its screens seed the game's generator
// here, so every run meets the same spins, cards and forks. Players never
// set it; unset, the clock seeds it.
constexpr char const* kSeedVariable = "QUORVEL_SEED";
constexpr char const* kUserFolder = "Quorvel/";
constexpr double kMiB = 1024.0 * 1024.0;
// The mouse pointer's picture, kept for the whole run.
constexpr char const* kCursorImage = "cursor.png@linear";

// The game's pak archives after the first, in mounting order.
constexpr char const* kGamePaks[] = {"original.pak", "sound.pak", "res.pak"};
// The archive of the screens' scripts, descriptions and fonts: without it
// the game cannot draw even a message, so it ends instead.
constexpr char const* kDrawingArchive = "res.pak";

// The data files whose checksum is tested at every start, in this order; a
// damaged or missing one starts empty.
constexpr char const* kCheckedFiles[] = {"options.dat", "highscore.sav", "quorvel.sav", "quorvelparty.sav",
                                         "quorvelpnp.sav"};

struct LanguageFile {
    char const* key;
    char const* file;
};

constexpr LanguageFile kLanguageFiles[] = {
    {"en", "texts/englishUK.xml"}, {"fr", "texts/french.xml"}, {"it", "texts/italian.xml"},
    {"de", "texts/german.xml"},    {"es", "texts/spanish.xml"}, {"en_am", "texts/english.xml"},
};

bool IsCommandKey(Norv::KeyCode key)
{
    return key == Norv::KEY_LMETA || key == Norv::KEY_RMETA || key == Norv::KEY_LSUPER || key == Norv::KEY_RSUPER;
}

void MountPakIfNamed(Norv::NarrowString const& name, int flags)
{
    if (!name.empty())
        Norv::MountPak(name, "", flags);
}

} // namespace

FGApp::FGApp() : SdlApplication(kFlags) {}

FGApp::~FGApp()
{
    // The engine may outlive a start-up that never reached the main loop.
    freeEngine();
}

Norv::NarrowString FGApp::LanguageKeyForCode(Norv::NarrowString const& code)
{
    Norv::NarrowString const language = code.substr(0, 2);
    if (language != "en")
        return language;
    return code == "en-GB" ? "en" : "en_am";
}

bool FGApp::IsSupportedLanguage(Norv::NarrowString const& key) const
{
    return languageFiles.count(key) != 0;
}

void FGApp::OnStartup()
{
    if (!MountFiles())
        return;
    for (LanguageFile const& entry : kLanguageFiles)
        languageFiles[entry.key] = entry.file;
    CreateServices();
    if (!Norv::g_registry->Load(kRegistryFile, false, ""))
        KeepDamagedRegistry();
    Norv::g_registry->Set(kVersionKey, Norv::NarrowString(QUORVEL_VERSION));
    InitLocale();
    ChooseDefaultLanguage();
    NORV_REGISTER_CALLBACK(Norv::g_registry, kLanguageKey, &FGApp::OnLanguageChange, this);
    Norv::NarrowString language;
    Norv::g_registry->Get(kLanguageKey, language);
    LoadTexts(language);
    if (!allocEngine())
        return;
    PresentationHooks::Get().LoadSplashResources();
    for (char const* file : kCheckedFiles)
        engine->getFileSystem().CheckFileIntegrity(file);
    engine->entEvent(FGEngine::EventStart, 0, 0);
    GameFlowHooks::Get().InitJournalData();
    cursor = Norv::g_assetDict->Get<Norv::Surface>(kCursorImage, true);
}

void FGApp::KeepDamagedRegistry()
{
    // The settings start afresh and are written over the file at the end;
    // a file that was there but could not be read is kept aside first.
    std::unique_ptr<FGData> file = FGFileSystem::ReadFromVfs(kRegistryFile);
    if (file && file->getLength() > 0)
        FGFileSystem::KeepDamagedCopy(kRegistryFile, file->getData(), file->getLength());
}

bool FGApp::MountFiles()
{
    Norv::Vfs::Initialize();
    // Another missing archive is only left unmounted: the game says so when
    // it needs one of its files.
    Norv::MountPak(QuorvelEngine::kBoardArchive, "", kFirstPakFlags);
    for (char const* pak : kGamePaks) {
        Norv::PakMount* mounted = Norv::MountPak(pak, "", kPakFlags);
        if (std::strcmp(pak, kDrawingArchive) == 0)
            drawingArchive = mounted;
    }
    if (!drawingArchive) {
        FailOnDataFile(kDrawingArchive);
        return false;
    }
    MountPakIfNamed(FrontEndHooks::Get().GetBkgPak(), kPakFlags);
    MountPakIfNamed(FrontEndHooks::Get().GetAssetsPak(), kPakFlags);
    Norv::MountNative(Norv::ResourcesFolder() + "/", "", kResourcesFlags);
    // The user's folder is made once, here. When it cannot be written the
    // game still reads it but saves nothing, and says so once.
    Norv::NarrowString const userFolder = Norv::UserDataFile::MakePath(kUserFolder, false);
    bool const writable = Norv::PrepareWritableFolder(userFolder);
    if (!writable)
        std::fprintf(stderr, "Quorvel: the folder \"%s\" cannot be written; progress will not be saved\n",
                     userFolder.c_str());
    FGFileSystem::SetUserFolderWritable(writable);
    Norv::NativeMount* user =
        Norv::MountNative(kUserFolder, "", writable ? kUserFlags : kUserFlags | Norv::VfsMount::ReadOnly);
    // Anyone may drop files into the user's folder: it serves only the
    // files the game writes there, never scripts, pictures or archives.
    std::set<Norv::NarrowString> userFiles = {kRegistryFile,
                                              Norv::NarrowString(kRegistryFile) + FGFileSystem::kDamagedSuffix};
    for (char const* file : kCheckedFiles) {
        userFiles.insert(file);
        userFiles.insert(Norv::NarrowString(file) + FGFileSystem::kDamagedSuffix);
    }
    if (user)
        user->ServeOnly(std::move(userFiles));
    return true;
}

void FGApp::FailOnDataFile(char const* archive)
{
    if (failed)
        return;
    failed = true;
    Norv::NarrowString const path = Norv::ResourcesFolder() + "/" + archive;
    std::fprintf(stderr, "Quorvel: the game's file \"%s\" is missing or damaged; please install the game again\n",
                 path.c_str());
    ExitWithStatus(1);
}

void FGApp::CreateServices()
{
    Norv::g_textDict = new Norv::TextDict;
    Norv::g_assetDict = new Norv::AssetDict;
    Norv::g_registry = new Norv::Registry;
    Norv::AddMachineKeys(*Norv::g_registry);
    Norv::InstalledMixer::Install(new Norv::Mixer(kMixerFormat, kMixerParams));
}

void FGApp::InitLocale()
{
    Norv::NarrowString const key = LanguageKeyForCode(GetOsLanguageCode());
    Norv::NarrowString stored;
    Norv::g_registry->Get(kOsLanguageKey, stored);
    if (!IsSupportedLanguage(key) || key == stored)
        return;
    Norv::g_registry->Set(kOsLanguageKey, key);
    Norv::g_registry->Set(kLanguageKey, key);
}

void FGApp::ChooseDefaultLanguage()
{
    // Without this, a first start on a system language the game lacks would
    // load no texts at all and show text ids instead of words.
    Norv::NarrowString language;
    Norv::g_registry->Get(kLanguageKey, language);
    if (!IsSupportedLanguage(language))
        Norv::g_registry->Set(kLanguageKey, Norv::NarrowString(kDefaultLanguage));
}

void FGApp::LoadTexts(Norv::NarrowString const& languageKey)
{
    auto const file = languageFiles.find(languageKey);
    Norv::g_textDict->LoadStrings(file != languageFiles.end() ? file->second : Norv::NarrowString());
}

void FGApp::OnLanguageChange(void* user, Norv::NarrowString const&, Norv::RegistryKey*)
{
    FGApp* app = static_cast<FGApp*>(user);
    Norv::NarrowString language;
    Norv::g_registry->Get(kLanguageKey, language);
    if (app->IsSupportedLanguage(language))
        app->LoadTexts(language);
}

bool FGApp::allocEngine()
{
    engine.reset(createEngine());
    if (!engine)
        return false;
    engine->setCriticals(this, nullptr);
    if (char const* seed = std::getenv(kSeedVariable); seed && *seed)
        engine->srand(static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10)));
    engine->getSoundManager().init();
    return true;
}

void FGApp::freeEngine()
{
    engine.reset();
}

void FGApp::OnShutdown()
{
    // What a benchmark's memory breakdown cannot see from outside.
    if (Norv::BenchFrameLimit::FromEnvironment().IsActive())
        std::fprintf(stderr, "bench: textures_mib=%.1f\nbench: lua_mib=%.1f\n",
                     Norv::PixelDataGL::LoadedBytes() / kMiB, Norv::Lua::BytesInUse() / kMiB);
    if (Norv::g_registry) {
        Norv::g_registry->RemoveCallback(kLanguageKey, &FGApp::OnLanguageChange, this);
        Norv::g_registry->Save(kRegistryFile, kSettingsPath);
    }
    freeEngine();
}

void FGApp::OnUpdate(Norv::NorvFloat const&)
{
    if (drawingArchive && drawingArchive->IsDamaged()) {
        FailOnDataFile(kDrawingArchive);
        return;
    }
    // The HUD pages and the rest of the front end are read behind the
    // splash's first frame, which needs none of them.
    if (firstFrameDrawn && !frontEndLoaded) {
        PresentationHooks::Get().LoadFrontendResources();
        frontEndLoaded = true;
    }
    if (engine)
        engine->entTick();
}

bool FGApp::WantsNextFrameAtOnce() const
{
    return engine && engine->isBusy();
}

void FGApp::OnRender(Norv::Surface* surface)
{
    if (!engine)
        return;
    engine->entRender(surface);
    firstFrameDrawn = true;
    if (surface && cursor && engine->shouldRender()) {
        Norv::RectT<int> const whole(0, 0, cursor->GetWidth(), cursor->GetHeight());
        surface->Blit(static_cast<float>(mouseX), static_cast<float>(mouseY), cursor.Get(), whole);
    }
}

void FGApp::OnTouchDown(int x, int y, int id)
{
    if (engine)
        engine->entTouchDown(x, y, id);
}

void FGApp::OnTouchUp(int x, int y, int id)
{
    if (engine)
        engine->entTouchUp(x, y, id);
}

void FGApp::OnTouchMove(int x, int y, int id)
{
    mouseX = x;
    mouseY = y;
    if (engine)
        engine->entTouchMove(x, y, id);
}

void FGApp::OnKeyPress(Norv::KeyCode key)
{
    if (commandHeld && key == Norv::KEY_Q)
        Exit();
    if (IsCommandKey(key))
        commandHeld = true;
    if (engine)
        engine->entKeyPressed(key);
}

void FGApp::OnCharacterTyped(unsigned int character)
{
    if (engine)
        engine->entCharacterTyped(character);
}

void FGApp::OnKeyRelease(Norv::KeyCode key)
{
    if (IsCommandKey(key))
        commandHeld = false;
    if (engine)
        engine->entKeyReleased(key);
}

void FGApp::OnFocusChange(bool focused)
{
    // Suspended, the engine holds its timers and, resumed, it starts the next
    // tick afresh: the game takes up where it stopped, with nothing to catch up.
    if (engine)
        engine->entEvent(focused ? FGEngine::EventResume : FGEngine::EventSuspend, 0, 0);
}

void FGApp::OnScrollUp(int, int)
{
    if (engine)
        engine->entMouseWheel(-1);
}

void FGApp::OnScrollDown(int, int)
{
    if (engine)
        engine->entMouseWheel(1);
}

bool FGApp::OpenWebBrowser(Norv::WideString const& url)
{
    Norv::NarrowString const address(url);
    bool opened = true;
    if (address.find("http://") != Norv::NarrowString::npos) {
        opened = SdlApplication::OpenWebBrowser(url);
    } else {
        // A file shipped beside the program, handed to the desktop's opener
        // as one argument (never through a shell).
        Norv::NarrowString const executable = Norv::ExecutablePath();
        Norv::NarrowString const folder = executable.substr(0, executable.rfind('/'));
        Norv::DesktopServices::OpenWebBrowser(Norv::WideString(folder + "/" + address));
    }
    Exit();
    return opened;
}
