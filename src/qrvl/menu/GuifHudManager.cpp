// The HUD pages' owner and their routing.
#include "qrvl/menu/GuifHudManager.h"

#include "qrvl/menu/CGuifPageYesNo.h"

namespace qrvl {

GuifHudManager& GuifHudManager::GetHudManager()
{
    static GuifHudManager manager;
    return manager;
}

void GuifHudManager::Setup()
{
    if (IsSetUp())
        return;
    yesNo = std::make_unique<CGuifPageYesNo>();
    yesNo->visible = false;
    hide = false;
}

void GuifHudManager::drawSelf(Norv::Surface* surface)
{
    if (!hide && yesNo && yesNo->visible)
        yesNo->drawSelf(surface);
}

void GuifHudManager::onTouchUp(int x, int y, int id)
{
    if (!hide && yesNo && yesNo->visible)
        yesNo->onTouchUp(x, y, id);
}

void GuifHudManager::onTouchMove(int x, int y, int id)
{
    if (yesNo && yesNo->visible)
        yesNo->onTouchMove(x, y, id);
}

void GuifHudManager::keyPressed(int key)
{
    if (yesNo && yesNo->visible)
        yesNo->keyPressed(key);
}

void GuifHudManager::EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly)
{
    if (!yesNo)
        return;
    yesNo->setLabelText(title, text, text2, okOnly);
    yesNo->visible = true;
}

void GuifHudManager::ExitYesNoModalDialogue()
{
    if (yesNo)
        yesNo->visible = false;
}

} // namespace qrvl
