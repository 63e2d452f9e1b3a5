// The end-of-game ranking.
#include "qrvl/original/frontend/ModeEndgame.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/frontend/ModeJournal.h"
#include "qrvl/original/frontend/ModeRetire.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/phone/journal/HighScoreEntry.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"

namespace {

constexpr char const* kScript = "menu/endGame.lua";

std::string RowName(char const* pattern, int rank)
{
    return std::string("Player") + std::to_string(rank) + pattern;
}

} // namespace

char const ModeEndgame::className[] = "ModeEndgame";

Norv::Lunar<ModeEndgame>::RegType ModeEndgame::methods[] = {
    {"OKKeyPressed", &ModeEndgame::l_OKKeyPressed},
    {nullptr, nullptr},
};

ModeEndgame::~ModeEndgame() { screen.Release(); }

void ModeEndgame::init(Player** gamePlayers, Hud* gameHud, int count)
{
    players = gamePlayers;
    hud = gameHud;
    numPlayers = count < 0 ? 0 : (count > kMaxPlayers ? kMaxPlayers : count);
    if (QuorvelEngine* engine = qrvl::GetGameEngine()) {
        engine->setRenderWorld(true);
        engine->setWorldPaused(true);
    }
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, kScript, {{"numPlayers", numPlayers}});
    rank();
    if (journal) {
        int day = 0, month = 0, year = 0;
        HighScoreEntry::FindDate(day, month, year);
        journal->SetDate(day, month, year);
    }
    HighScoreManager::GetHighScoreManager().Save();

    title = FGStringManager::getString("S_RANKINGS");
    Player* winner = numPlayers > 0 ? ranked[0] : nullptr;
    char const* winnerName = winner ? winner->getName() : "";
    header = CLocalise::Fill(FGStringManager::getString("S_WINS"), &winnerName, 1);
    qrvl::SetLineText(screen.Get(), "TitleLabel", title, true);
    qrvl::SetLineText(screen.Get(), "HeaderLabel", header, true);
    clearHud();
    qrvl::PlayMenuSound(winner && winner->isComputer() ? "player_lose_cash" : "player_win_competition");
    fillRows();
}

void ModeEndgame::rank()
{
    bool taken[kMaxPlayers] = {};
    int worth[kMaxPlayers] = {};
    for (int i = 0; i < numPlayers; ++i)
        worth[i] = players[i] ? ModeRetire::calcNetWorth(players[i], true) : 0;
    unsigned const earnings = PlayerJournal::hashName("je_earnings");
    unsigned const theEnd = PlayerJournal::hashName("je_the_end");
    journal = nullptr;
    for (int r = 0; r < numPlayers; ++r) {
        // Only a strictly higher worth displaces an earlier seat, so ties go to the earlier seat.
        int best = -1;
        for (int i = 0; i < numPlayers; ++i) {
            if (!taken[i] && players[i] && (best < 0 || worth[i] > worth[best]))
                best = i;
        }
        if (best < 0)
            break;
        taken[best] = true;
        Player* player = players[best];
        ranked[r] = player;
        worths[r] = worth[best];
        if (auto* own = dynamic_cast<CJournal*>(player->getJournal())) {
            own->AddEntry(earnings, 0, 0, worth[best]);
            own->AddEntry(theEnd, player);
        }
        if (player->isComputer())
            continue;
        // Taken before the table may take the journal over.
        if (!journal)
            journal = dynamic_cast<CJournal*>(player->getJournal());
        HighScoreManager::GetHighScoreManager().CheckHighScore(worth[best], player);
    }
}

void ModeEndgame::clearHud()
{
    if (hud) {
        hud->setLeftPlayer(nullptr);
        hud->setRightPlayer(nullptr);
        hud->hideArrowPopupText();
        hud->hideInfoPopupText();
        hud->hideSpinner();
    }
    HudPages& pages = HudPages::Get();
    pages.HideAIOverlay();
    pages.HideHud();
}

void ModeEndgame::fillRows()
{
    for (int r = 1; r <= kMaxPlayers; ++r) {
        Player* player = r <= numPlayers ? ranked[r - 1] : nullptr;
        qrvl::SetLineText(screen.Get(), RowName("Name", r).c_str(), player ? player->getName() : "", true);
        qrvl::SetLineText(screen.Get(), RowName("Tiles", r).c_str(),
                          player ? ModeRetire::tileCountText(player) : std::string(), true);
        qrvl::SetLineText(screen.Get(), RowName("Cash", r).c_str(),
                          player ? GameUtil::getMoneyString(worths[r - 1]) : std::string(), true);
    }
}

void ModeEndgame::buttonSelected(CGuiFrameTouchButton*)
{
    if (journalShown)
        return;
    journalShown = true;
    ModeJournal* viewer = new ModeJournal;
    viewer->init(journal);
    qrvl::PushMode(viewer);
}

void ModeEndgame::activate()
{
    QuorvelMode::activate();
    if (journalShown) {
        qrvl::PopMode();
        SaveGame::DeleteAll();
        return;
    }
    qrvl::HideSoftkeys();
    PresentationHooks::Get().SetSkipping(false, false);
}

void ModeEndgame::deactivate()
{
    QuorvelMode::deactivate();
    qrvl::HideSoftkeys();
}

void ModeEndgame::tick()
{
    if (screen)
        screen->Update(qrvl::LastFrameMs() * 0.001);
}

void ModeEndgame::drawSelf(Norv::Surface* surface)
{
    if (screen)
        screen->Render(surface, 0, 0);
}

void ModeEndgame::onTouchDown(int x, int y, int id)
{
    if (screen)
        screen->OnTouchDown(x, y, id);
}

void ModeEndgame::onTouchUp(int x, int y, int id)
{
    if (screen)
        screen->OnTouchUp(x, y, id);
}

void ModeEndgame::keyPressed(int key)
{
    // Keys, like touches, reach the ranking only once it is fully shown.
    if (screen && screen->CanReceiveEvents())
        screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

int ModeEndgame::l_OKKeyPressed(lua_State*)
{
    CGuiFrameTouchButton button(OK);
    buttonSelected(&button);
    return 0;
}
