// The framework's older sound front. The game plays its sounds through
// SoundManager; this one keeps the sound-on and vibrate flags that the
// options file stores, the volume and the table of registered sound ids.
// It has no player, so it makes no sound.
#pragma once

class FGSoundManager {
public:
    // Registered sounds the table holds.
    static constexpr int kMaxSounds = 32;
    static constexpr int kDefaultVolume = 50;
    static constexpr int kMaxVolume = 100;
    // Volume change of one step of volChange.
    static constexpr int kVolumeStep = 25;

    void init();
    void tick() {}

    // False when the id is taken or the table is full.
    bool registerSound(char const* name, int id);
    void unregisterSound(int id);
    bool isRegistered(int id) const;
    // Without a player a sound is only accepted; nothing is heard.
    void play(int) {}
    void stop() {}

    void setSoundOn(bool on) { soundOn = on; }
    bool isSoundOn() const { return soundOn; }
    void setVibrateOn(bool on) { vibrateOn = on; }
    bool isVibrateOn() const { return vibrateOn; }

    void volChange(int steps) { setVolume(volume + kVolumeStep * steps); }
    void setVolume(int value);
    int getVolume() const { return volume; }

private:
    int ids[kMaxSounds] = {};
    int count = 0;
    bool soundOn = false;
    bool vibrateOn = true;
    int volume = 0;
};
