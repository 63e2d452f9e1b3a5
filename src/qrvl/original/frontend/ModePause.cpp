// The pause menu.
#include "qrvl/original/frontend/ModePause.h"

#include "qrvl/menu/screens/GuifSettingsMenu.h"
#include "qrvl/menu/hud/HudHooks.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/frontend/ModeHelp.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/port/SoundManager.h"

ModePause::ModePause() : qrvl::GuifMenu("menu/pauseMenu.lua")
{
    MapButton("ReturnToGameButton", ReturnToGame);
    MapButton("SettingsButton", Settings);
    MapButton("GameHelpButton", GameHelp);
    MapButton("ExitGameButton", ExitGame);
}

void ModePause::init(Player*, Hud* gameHud)
{
    hud = gameHud;
    ModeMenu::init(false);
    qrvl::HideSoftkeys();
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        language = engine->getLanguage();
    exitQuestionOpen = false;
    SoundManager::GetInstance().Pause("");
    qrvl::PlayMenuSound("menu_open");
}

void ModePause::tick()
{
    GuifMenu::tick();
    qrvl::HideSoftkeys();
}

void ModePause::deactivate()
{
    GuifMenu::deactivate();
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        language = engine->getLanguage();
}

void ModePause::activate()
{
    GuifMenu::activate();
    HudPages::Get().HideHud();
    if (!exitQuestionOpen)
        return;
    exitQuestionOpen = false;
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (engine && engine->lastChoice == 0) {
        engine->lastChoice = kAnswerQuit;
        qrvl::PopMode();
        SoundManager::GetInstance().Stop();
    }
}

void ModePause::buttonSelected(CGuiFrameTouchButton* button)
{
    char const* sound = "fe_select";
    switch (button->id) {
    case ReturnToGame: {
        if (QuorvelEngine* engine = qrvl::GetGameEngine())
            engine->lastChoice = 0;
        HudPages::Get().ShowHud();
        qrvl::HudHooks& hudPages = qrvl::HudHooks::Get();
        qrvl::PopMode();
        SoundManager::GetInstance().Resume("");
        if (hudPages.IsFreeLook())
            hudPages.SetExploreText();
        else
            hudPages.SetWheelText();
        sound = "frontend_back";
        break;
    }
    case Settings:
        Show(new qrvl::GuifSettingsMenu);
        break;
    case GameHelp:
        ModeHelp::Open();
        break;
    case ExitGame: {
        ModeYesNo* question = new ModeYesNo;
        question->init(FGStringManager::getString("S_CONFIRM_QUIT"), nullptr, nullptr, hud, false, false);
        qrvl::PushMode(question);
        exitQuestionOpen = true;
        break;
    }
    default:
        break;
    }
    qrvl::PlayMenuSound(sound);
}
