// The investment purchase and the status launcher.
#include "qrvl/original/frontend/ModeInvest.h"

#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/frontend/ModeChoosePlayer.h"

void ModeInvest::Start()
{
    label = FGStringManager::getString("S_LTI");
    popRequested = false;
}

void ModeInvest::init(Player* buyer, Hud*, int* taken)
{
    Start();
    player = buyer;
    bool anyFree = false;
    for (int n = 0; n < kNumbers; ++n)
        anyFree = anyFree || !taken[n];
    if (!anyFree) {
        // Drawing again could never end: nothing is sold.
        number = -1;
        popRequested = true;
        return;
    }
    QuorvelEngine* engine = qrvl::GetGameEngine();
    do {
        number = (engine ? engine->rand() : 0) % kNumbers;
    } while (taken[number]);
    taken[number] = 1;
    player->transactCash(-kPrice, MoneyCause::InvestmentPurchase);
    player->setInvestment(number);
}

void ModeInvest::init(Hud*, int shownNumber)
{
    Start();
    number = shownNumber;
}

void ModeInvest::tick()
{
    if (popRequested) {
        popRequested = false;
        qrvl::PopMode();
    }
}

void ModeInvest::drawSelf(Norv::Surface* surface)
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    FGModeManager* modes = engine ? engine->getModeManager() : nullptr;
    if (FGMode* below = modes ? modes->getPreviousMode(1) : nullptr)
        below->drawSelf(surface);
}

void ModeInvest::activate()
{
    QuorvelMode::activate();
    qrvl::HideSoftkeys();
}

void ModeInvest::keyReleased(int key)
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (engine && engine->isNegativeSoftkey(key))
        qrvl::PopMode();
}

void ModeLaunchStatus::init(Player** shown, Hud* gameHud, FGImage**, Player*)
{
    players = shown;
    hud = gameHud;
    done = launched = false;
    qrvl::PlayMenuSound("menu_open");
}

void ModeLaunchStatus::tick()
{
    if (!launched) {
        launched = true;
        ModeChoosePlayer* overview = new ModeChoosePlayer;
        overview->init(players, hud, -1, 0, nullptr, 0);
        qrvl::PushMode(overview);
    } else if (done) {
        done = false;
        qrvl::PopMode();
    }
}
