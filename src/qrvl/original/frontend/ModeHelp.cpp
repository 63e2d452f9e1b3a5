// The help menu and its topics.
#include "qrvl/original/frontend/ModeHelp.h"

#include "qrvl/menu/screens/GuifInfoMenu.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGStringManager.h"

namespace {

struct Topic {
    char const* control;
    char const* title;
    char const* text;
    int color;
};

// Button ids 1 to 6 in order.
constexpr Topic kTopics[] = {
    {"GameControlsButton", "S_HELP1", "s_PHONE_CONTROLS", qrvl::GuifInfoMenu::Blue},
    {"SpinningAndMovingButton", "S_HELP2", "S_HELPTEXT2", qrvl::GuifInfoMenu::Purp},
    {"QuorvelTilesButton", "S_HELP3", "S_HELPTEXT3", qrvl::GuifInfoMenu::Green},
    {"ShareTheWealthButton", "S_HELP4", "S_HELPTEXT4", qrvl::GuifInfoMenu::Purp},
    {"RetirementButton", "S_HELP5", "S_HELPTEXT5", qrvl::GuifInfoMenu::Blue},
    {"GameTipsButton", "S_HELP6", "S_HELPTEXT6", qrvl::GuifInfoMenu::Green},
};
constexpr int kTopicCount = static_cast<int>(sizeof(kTopics) / sizeof(kTopics[0]));

} // namespace

ModeHelp::ModeHelp() : qrvl::GuifMenu("menu/helpMenu.lua")
{
    for (int topic = 0; topic < kTopicCount; ++topic)
        MapButton(kTopics[topic].control, topic + 1);
    MapButton("BackButton", kBack);
}

void ModeHelp::Open()
{
    ModeHelp* help = new ModeHelp;
    help->init();
    qrvl::PushMode(help);
}

void ModeHelp::init()
{
    qrvl::HideSoftkeys();
    title = FGStringManager::getString("S_HELP");
}

void ModeHelp::buttonSelected(CGuiFrameTouchButton* button)
{
    int const id = button->id;
    if (id == kBack) {
        if (QuorvelEngine* engine = qrvl::GetGameEngine())
            engine->negativeSoftkeyShow(false);
        qrvl::PopMode();
        qrvl::PlayMenuSound("frontend_back");
        return;
    }
    if (id >= 1 && id <= kTopicCount) {
        Topic const& topic = kTopics[id - 1];
        Show(new qrvl::GuifInfoMenu(topic.title, topic.text, topic.color));
    }
    qrvl::PlayMenuSound("fe_select");
}
