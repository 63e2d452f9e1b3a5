// The help-and-about menu: the about page, three web documents opened after
// two questions, the game help and the usage-sharing question.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

class ModeLegal : public qrvl::GuifMenu {
public:
    enum Button { Back = -1, About = 1, Licence = 2, Privacy = 3, Terms = 4, GameHelp = 5, UsageSharing = 6 };
    enum State { None = 0, AboutShown = 1, SecondBrowserQuestion = 2, FirstBrowserQuestion = 3, UsageQuestion = 4 };

    ModeLegal();
    void init() override;
    void activate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    State GetState() const { return state; }

private:
    void startAbout();
    void startURL(char const* id);
    void startUsageSharing();
    void askQuestion(char const* textId);

    State state = None;
    char const* address = nullptr;
};
