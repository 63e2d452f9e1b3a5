// The help-and-about menu.
#include "qrvl/original/frontend/ModeLegal.h"

#include "qrvl/menu/screens/GuifInfoMenu.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/frontend/BrowserLink.h"
#include "qrvl/original/frontend/ModeHelp.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/original/phone/text/CLocalise.h"

ModeLegal::ModeLegal() : qrvl::GuifMenu("menu/helpAndAboutMenu.lua")
{
    MapButton("AboutButton", About);
    MapButton("EndUSerLicenceAgreementButton", Licence);
    MapButton("PrivacyPolicyButton", Privacy);
    MapButton("TermsOfServiceButton", Terms);
    MapButton("GameHelpButton", GameHelp);
    MapButton("EnableUsageSharingButton", UsageSharing);
    MapButton("BackButton", Back);
}

void ModeLegal::init() { qrvl::HideSoftkeys(); }

void ModeLegal::askQuestion(char const* textId)
{
    ModeYesNo* question = new ModeYesNo;
    question->init(FGStringManager::getString(textId), nullptr, nullptr, nullptr, false, false);
    qrvl::PushMode(question);
}

void ModeLegal::startAbout()
{
    qrvl::HideSoftkeys();
    char const* version = PresentationHooks::Get().GetAppVersion();
    std::string const text =
        CLocalise::Fill(FGStringManager::getString("S_ABOUT_TEXT_I3D"), &version, 1);
    Show(new qrvl::GuifInfoMenu("S_ABOUT", text.c_str(), qrvl::GuifInfoMenu::Green));
}

void ModeLegal::startURL(char const* id)
{
    qrvl::HideSoftkeys();
    address = FGStringManager::getString(id);
    askQuestion("S_LAUNCH_BROWSER");
    state = FirstBrowserQuestion;
}

void ModeLegal::startUsageSharing()
{
    qrvl::HideSoftkeys();
    askQuestion("S_ENABLE_USAGE_QUESTION");
    state = UsageQuestion;
}

void ModeLegal::buttonSelected(CGuiFrameTouchButton* button)
{
    switch (button->id) {
    case Back:
        if (state != None) {
            state = None;
        } else {
            if (QuorvelEngine* engine = qrvl::GetGameEngine())
                engine->negativeSoftkeyShow(false);
            qrvl::PopMode();
        }
        qrvl::PlayMenuSound("frontend_back");
        return;
    case About:
        startAbout();
        state = AboutShown;
        break;
    case Licence:
        startURL("S_EULA_URL");
        break;
    case Privacy:
        startURL("S_PRIVACYPOLICY_URL");
        break;
    case Terms:
        startURL("S_TERMSOFSERVICE_URL");
        break;
    case GameHelp:
        ModeHelp::Open();
        break;
    case UsageSharing:
        startUsageSharing();
        break;
    default:
        break;
    }
    qrvl::PlayMenuSound("fe_select");
}

void ModeLegal::activate()
{
    GuifMenu::activate();
    QuorvelEngine* engine = qrvl::GetGameEngine();
    bool const yes = engine && engine->lastChoice == 0;
    if (state == FirstBrowserQuestion && yes) {
        askQuestion("S_SURE_QUIT");
        state = SecondBrowserQuestion;
        return;
    }
    if (state == SecondBrowserQuestion && yes && address)
        qrvl::FollowWebLink(address);
    state = None;
}
