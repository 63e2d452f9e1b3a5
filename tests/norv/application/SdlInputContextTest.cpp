// Keyboard events through the input context, without a window: shift
// tracking, the keys the shell keeps for itself, and keys it drops.
#include "norv/application/AbstractApp.h"
#include "norv/application/sdl/SdlInputContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Norv;

class KeyRecordingApp : public AbstractApp {
public:
    KeyRecordingApp() : AbstractApp(0x1400) {}
    void OnKeyPress(KeyCode key) override { log.push_back("key " + std::to_string(key)); }
    void OnKeyRelease(KeyCode key) override { log.push_back("release " + std::to_string(key)); }
    void OnCharacterTyped(unsigned int character) override { log.push_back("typed " + std::to_string(character)); }
    void Exit() override { log.push_back("exit"); }
    std::vector<std::string> log;
};

SDL_Event Key(Uint8 type, SDLKey key, SDLMod modifiers = KMOD_NONE, Uint16 unicode = 0)
{
    SDL_Event event = {};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    event.key.keysym.unicode = unicode;
    return event;
}

TEST(SdlInputContextTest, ShiftIsTrackedAndDelivered)
{
    SmartPtr<KeyRecordingApp> app(new KeyRecordingApp);
    SmartPtr<SdlInputContext> keys(new SdlInputContext(app.Get()));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_RSHIFT));
    EXPECT_TRUE(keys->IsShiftDown());
    keys->OnEvent(Key(SDL_KEYUP, SDLK_RSHIFT));
    EXPECT_FALSE(keys->IsShiftDown());
    EXPECT_EQ(app->log, std::vector<std::string>({"key 10", "release 10"}));
}

TEST(SdlInputContextTest, F4QuitsOnlyWithAltAndIsNeverDelivered)
{
    SmartPtr<KeyRecordingApp> app(new KeyRecordingApp);
    SmartPtr<SdlInputContext> keys(new SdlInputContext(app.Get()));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_F4));
    keys->OnEvent(Key(SDL_KEYUP, SDLK_F4));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_F4, KMOD_RALT));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_F4, KMOD_LALT));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_TAB));  // not in the key table
    EXPECT_EQ(app->log, std::vector<std::string>({"exit", "exit"}));
}

TEST(SdlInputContextTest, PauseTogglesThePauseAndIsNeverDelivered)
{
    SmartPtr<KeyRecordingApp> app(new KeyRecordingApp);
    SmartPtr<SdlInputContext> keys(new SdlInputContext(app.Get()));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_PAUSE));
    EXPECT_FALSE(keys->IsRunning());
    EXPECT_TRUE(app->IsPaused());
    keys->OnEvent(Key(SDL_KEYUP, SDLK_PAUSE));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_a));  // dropped while paused
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_PAUSE));
    EXPECT_TRUE(keys->IsRunning());
    EXPECT_FALSE(app->IsPaused());
    EXPECT_TRUE(app->log.empty());
}

} // namespace

TEST(SdlInputContextTest, ALetterBeyondAsciiIsTypedAsACharacterNotAKey)
{
    SmartPtr<KeyRecordingApp> app(new KeyRecordingApp);
    SmartPtr<SdlInputContext> keys(new SdlInputContext(app.Get()));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_WORLD_92, KMOD_NONE, 0xFC)); // ü on a key of its own
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_e, KMOD_RALT, 0x20AC)); // AltGr+E: €
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_RSHIFT));
    keys->OnEvent(Key(SDL_KEYDOWN, SDLK_a, KMOD_RSHIFT, 'A')); // ASCII stays a key
    EXPECT_EQ(app->log,
              std::vector<std::string>({"typed 252", "typed 8364", "key 10", "key " + std::to_string(KEY_A)}));
}
