// A family event's card.
#include "qrvl/original/frontend/EventCard.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"

#include "guif/TextBox.h"

void EventCard::Show(char const* headerId, char const* textId, char const* picture)
{
    if (!screen) {
        screen = new qrvl::TranslatableScreen(0, nullptr);
        qrvl::LuaHelper::runScreenScript(screen->GetLua(), "menu/event.lua",
                                         [](Norv::Lua* lua) { qrvl::LuaHelper::setupLuaGlobals(lua); });
    }
    Guif::Screen* card = screen.Get();
    qrvl::SetLineText(card, "FrameHeader", FGStringManager::getString(headerId), true);
    if (Guif::TextBox* words = qrvl::FindTextBox(card, "FrameDescription"))
        words->SetText(1, textId);
    qrvl::SetSpriteImage(card, "EventIcon", picture);
    screen->FadeIn();
    shown = true;
}

void EventCard::Hide()
{
    if (screen)
        screen->Hide();
    shown = false;
}

void EventCard::Draw(Norv::Surface* surface)
{
    if (!shown)
        return;
    screen->Update(Norv::NorvFloat(qrvl::LastFrameMs() / 1000.0f));
    screen->Render(surface, 0.0f, 0.0f);
}
