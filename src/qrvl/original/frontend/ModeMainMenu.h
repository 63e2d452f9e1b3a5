// The title screen: new single or pass-and-play game, continue (a party
// game too), settings, help and about, high scores and exit. It asks before a new game replaces
// a saved one and checks a saved game's file before continuing it.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

class ModeMainMenu : public qrvl::GuifMenu {
public:
    enum Button {
        LeaveAbout = -1,
        NewGame = 0,
        Continue = 1,
        ContinuePassAndPlay = 2,
        NewPassAndPlay = 3,
        Settings = 4,
        HelpAndAbout = 5,
        MoreGames = 6,
        Exit = 7,
        PassAndPlayAlias = 8,
        NewParty = 9,
        ContinueParty = 10,
        HighScores = 11,
        Ignored1 = 20,
        Ignored2 = 21,
    };

    static ModeMainMenu* s_pSingleton;
    static bool s_CheckSaveFileIntegrity;

    ModeMainMenu();
    ~ModeMainMenu() override;

    void init() override;
    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    // Checks the save the continue button loads; true when it is intact or
    // there is none. A damaged one is emptied (kept as its ".bad" copy).
    bool CheckSaveFileIntegrity();
    bool CheckSaveFileIntegrity(char const* file);

    // Shows the text of the id in an OK box once the menu runs; null: none.
    void ShowMessage(char const* textId) { messageId = textId; }

    int GetChosenAction() const { return action; }
    bool IsLaunchPending() const { return launchPending; }

private:
    // Starts the chosen game at the next draw.
    void initiateLoad();
    void launch();
    void askQuestion(char const* titleId, char const* textId, bool& openFlag);
    // A message with OK alone, over the menu.
    void showNotice(char const* titleId, char const* textId);
    bool AnySaveFlag() const { return singleSave || passAndPlaySave || partySave; }
    void rememberState();

    bool singleSave = false;
    bool passAndPlaySave = false;
    bool partySave = false;
    bool soundWasOn = false;
    int language = 0;
    bool launchPending = false;
    bool exitQuestion = false;
    bool browserQuestion = false;
    bool secondBrowserQuestion = false;
    bool deleteQuestion = false;
    bool launchAtNextDraw = false;
    bool initialised = false;
    int action = 0;
    char const* messageId = nullptr;
};
