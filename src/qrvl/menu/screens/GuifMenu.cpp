// The scripted menu mode.
#include "qrvl/menu/screens/GuifMenu.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace qrvl {

namespace {

constexpr char const* kTouchUp = "TouchUp";

} // namespace

GuifMenu::GuifMenu(char const* fileName) : script(new Lua::Script(fileName, this)) {}

GuifMenu::~GuifMenu() { script.Release(); }

void GuifMenu::OnLuaInit(Lua::Script* owner) { LuaHelper::setupLuaGlobals(owner->GetScreen()->GetLua()); }

void GuifMenu::OnLuaCallback(Norv::NarrowString const&, Norv::NarrowString const& message)
{
    size_t const colon = message.find(':');
    bool const hasArgument = colon != Norv::NarrowString::npos;
    Norv::NarrowString const command(hasArgument ? message.substr(0, colon) : std::string(message));
    Norv::NarrowString const argument(hasArgument ? message.substr(colon + 1) : std::string());
    if (command != kTouchUp) {
        OnSend(command, argument);
        return;
    }
    auto const mapped = buttons.find(argument);
    if (mapped == buttons.end())
        return;
    CGuiFrameTouchButton button(mapped->second);
    buttonSelected(&button);
}

void GuifMenu::OnSend(Norv::NarrowString const&, Norv::NarrowString const&) {}

void GuifMenu::MapButton(char const* controlName, int id) { buttons.emplace(controlName, id); }

void GuifMenu::tick() { script->Update(LastFrameMs() * 0.001); }
void GuifMenu::drawSelf(Norv::Surface* surface) { script->Render(surface); }
void GuifMenu::onTouchUp(int x, int y, int id) { script->OnTouchUp(x, y, id); }
void GuifMenu::onTouchDown(int x, int y, int id) { script->OnTouchDown(x, y, id); }
void GuifMenu::onTouchMove(int x, int y, int id) { script->OnTouchMove(x, y, id); }
void GuifMenu::keyPressed(int key) { script->OnKeyDown(static_cast<Norv::KeyCode>(key)); }

void GuifMenu::mouseWheel(int steps)
{
    Lua::Arguments args;
    args.Push(steps);
    script->CallFunction("OnWheel", args);
}

void GuifMenu::Show(ModeMenu* menu) { PushMode(menu); }

void GuifMenu::Back()
{
    PopMode();
    PlayMenuSound("frontend_back");
}

} // namespace qrvl
