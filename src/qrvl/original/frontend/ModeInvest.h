// Buying an investment number for 10000 at random among those nobody
// holds, shown over the game until the negative softkey; and the launcher
// that keeps the player overview open until its caller is done with it.
// Neither is opened by the game's own screens.
#pragma once

#include "qrvl/original/framework/QuorvelMode.h"

#include <string>

class FGImage;
class Hud;
class Player;

class ModeInvest : public QuorvelMode {
public:
    static constexpr int kNumbers = 10;
    static constexpr int kPrice = 10000;

    // `taken` marks each number already held; the drawn one is marked too.
    // With every number held nothing is bought and the mode leaves at once.
    virtual void init(Player* player, Hud* hud, int* taken);
    virtual void init(Hud* hud, int number);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void keyReleased(int key) override;

    int GetNumber() const { return number; }
    std::string const& GetLabel() const { return label; }

private:
    void Start();

    Player* player = nullptr;
    int number = -1;
    std::string label;
    bool popRequested = false;
};

class ModeLaunchStatus : public FGMode {
public:
    virtual void init(Player** players, Hud* hud, FGImage** images, Player* current);
    using FGMode::init;

    void tick() override;
    // The caller closes the launcher once the overview is done with.
    void SetDone() { done = true; }

private:
    Hud* hud = nullptr;
    Player** players = nullptr;
    bool done = false;
    bool launched = false;
};
