// The language list.
#include "qrvl/original/frontend/ModeChooseLanguage.h"

#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace {
constexpr char const* kLanguageNames[ModeChooseLanguage::kLanguages] = {"S_ENGLISH", "S_FRENCH", "S_ITALIAN",
                                                                        "S_GERMAN", "S_SPANISH"};
}

void ModeChooseLanguage::init()
{
    for (int i = 0; i < kLanguages; ++i)
        buttons[i].init(kLanguageNames[i], i);
    items = buttons;
    itemCount = kLanguages;
    ModeMenu::init(true);
    chosenId = 0;
}

void ModeChooseLanguage::Answer(int choice)
{
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->lastChoice = choice;
    qrvl::PopMode();
}

void ModeChooseLanguage::buttonSelected(CGuiFrameTouchButton* button)
{
    chosenId = button ? button->id : 0;
    Answer(chosenId);
}

void ModeChooseLanguage::keyReleased(int)
{
    Answer(selectedIndex);
}
