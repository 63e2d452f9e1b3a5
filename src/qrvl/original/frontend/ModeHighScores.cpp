// The high-score screen.
#include "qrvl/original/frontend/ModeHighScores.h"

#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/frontend/ModeJournal.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Room for a money text, terminating zero included.
constexpr int kMoneyBytes = 64;
// Room for a month's text id with any int as its number, and its zero.
constexpr int kMonthIdBytes = 32;
// Alpha of the journal button of a row without a journal.
constexpr int kNoJournalAlpha = 128;

std::string RowName(char const* base, int row) { return base + std::to_string(row); }

void ShowControl(Guif::Control* control, bool shown)
{
    if (control && control->HasVisibility())
        control->SetVisibleFlag(shown);
}

} // namespace

ModeHighScores::ModeHighScores() : qrvl::GuifMenu("menu/highscores.lua")
{
    for (int row = 1; row <= kRowsPerPage; ++row)
        MapButton(RowName("PlayerJournal", row).c_str(), FirstJournal + row - 1);
    MapButton("UpArrow", UpArrow);
    MapButton("DownArrow", DownArrow);
}

void ModeHighScores::init()
{
    Guif::Screen* screen = script->GetScreen();
    upArrow = screen->FindControl("UpArrow");
    downArrow = screen->FindControl("DownArrow");
    DisplayScores(0);
}

void ModeHighScores::DisplayScores(int first)
{
    firstShown = first;
    ShowControl(upArrow, first != 0);
    ShowControl(downArrow, first < kRowsPerPage);
    for (int row = 1; row <= kRowsPerPage; ++row)
        FillRow(row);
}

void ModeHighScores::FillRow(int row)
{
    Guif::Screen* screen = script->GetScreen();
    HighScoreEntry const& entry = HighScoreManager::GetHighScoreManager().GetEntry(firstShown + row - 1);
    qrvl::SetLineText(screen, RowName("PlayerPosition", row).c_str(), std::to_string(firstShown + row), true);
    qrvl::SetLineText(screen, RowName("PlayerName", row).c_str(), entry.GetName(), true);
    char money[kMoneyBytes];
    GameUtil::getMoneyString(entry.GetScore(), money, kMoneyBytes);
    qrvl::SetLineText(screen, RowName("PlayerMoney", row).c_str(), money, true);

    std::string date = "-- --- ----";
    if (entry.GetDay() != 0) {
        char monthId[kMonthIdBytes];
        std::snprintf(monthId, sizeof monthId, "S_MONTH%d_SHORT", entry.GetMonth() + 1);
        date = std::to_string(entry.GetDay()) + " " + FGStringManager::getString(monthId) + " " +
               std::to_string(entry.GetYear());
    }
    qrvl::SetLineText(screen, RowName("PlayerDate", row).c_str(), date, true);

    // The file may hold any character; PictureAt keeps it within the pictures.
    int const character = static_cast<int>(std::min(entry.GetCharacter(), 255u));
    qrvl::SetSpriteImage(screen, RowName("PlayerImage", row).c_str(),
                         PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, character));
    qrvl::SetSpriteImage(screen, RowName("PlayerPeg", row).c_str(),
                         PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, character));

    if (Guif::Control* journal = screen->FindControl(RowName("PlayerJournal", row))) {
        bool const hasJournal = entry.GetJournal() != nullptr;
        if (journal->HasTouchable())
            journal->SetTouchableFlag(hasJournal);
        if (journal->HasAlphaMark())
            journal->SetOwnAlpha(hasJournal ? 255 : kNoJournalAlpha);
    }
}

void ModeHighScores::buttonSelected(CGuiFrameTouchButton* button)
{
    switch (button->id) {
    case BackKey:
        qrvl::PopMode();
        qrvl::PlayMenuSound("frontend_back");
        return;
    case UpArrow:
        DisplayScores(0);
        return;
    case DownArrow:
        DisplayScores(kRowsPerPage);
        return;
    default:
        break;
    }
    if (button->id < FirstJournal || button->id >= FirstJournal + kRowsPerPage)
        return;
    // A row without a journal has nothing to open, whatever the script lets through.
    HighScoreEntry const& entry = HighScoreManager::GetHighScoreManager().GetEntry(firstShown + button->id);
    if (!entry.GetJournal())
        return;
    ModeJournal* viewer = new ModeJournal;
    viewer->init(entry.GetJournal());
    qrvl::PushMode(viewer);
    qrvl::PlayMenuSound("menu_open");
}

void ModeHighScores::OnSend(Norv::NarrowString const& command, Norv::NarrowString const&)
{
    if (command == "Back") {
        Back();
        qrvl::PlayMenuSound("frontend_back");
    }
}
