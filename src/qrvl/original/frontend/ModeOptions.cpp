// The options list.
#include "qrvl/original/frontend/ModeOptions.h"

#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/FGSoundManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/text/CLocalise.h"

void ModeOptions::init()
{
    buttons[0].init("S_SNDON", 0);
    buttons[0].addText("S_SNDOFF");
    buttons[1].init("S_VIBON", 1);
    buttons[1].addText("S_VIBOFF");
    items = buttons;
    itemCount = 2;
    qrvl::HideSoftkeys();
    title.set(FGStringManager::getString("S_OPTIONS"));
    ModeMenu::init(false);
}

void ModeOptions::buttonSelected(CGuiFrameTouchButton* button)
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    int const id = button ? button->id : 0;
    if (id >= kFirstLanguage && id < kFirstLanguage + kLanguages) {
        int const language = id - kFirstLanguage;
        if (engine && language != CLocalise::GetLocalise()->GetLanguage())
            engine->setLanguage(language);
        qrvl::PlayMenuSound("fe_select");
    } else if (id == kBack) {
        if (engine)
            engine->negativeSoftkeyShow(false);
        qrvl::PopMode();
        if (engine)
            engine->writeOptions();
        qrvl::PlayMenuSound("frontend_back");
    } else if (id == kVibrationOn || id == kVibrationOff) {
        // The phone's buzz has nothing to do on a computer; the switch is kept.
        if (engine)
            engine->getSoundManager().setVibrateOn(id == kVibrationOn);
    } else {
        qrvl::PlayMenuSound("fe_select");
    }
}
