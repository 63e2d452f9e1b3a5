// A menu mode whose screen is a script: the names of the script's buttons
// map to button ids, and a "TouchUp:<name>" message becomes a press of the
// mapped id; other messages go to the menu's own OnSend.
#pragma once

#include "qrvl/menu/screens/LuaScript.h"
#include "qrvl/original/framework/ModeMenu.h"

#include <map>

namespace qrvl {

class GuifMenu : public Lua::Client, public ModeMenu {
public:
    explicit GuifMenu(char const* fileName);
    ~GuifMenu() override;

    void OnLuaInit(Lua::Script* script) override;
    void OnLuaCallback(Norv::NarrowString const& name, Norv::NarrowString const& message) override;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void keyPressed(int key) override;
    // Hands the notches to the script's Screen:OnWheel(steps), when it has one.
    void mouseWheel(int steps) override;
    virtual void OnSend(Norv::NarrowString const& command, Norv::NarrowString const& argument);

    // A name already mapped keeps its first id.
    void MapButton(char const* controlName, int id);
    // Pushes a menu just made (deferred to the mode manager's next tick).
    static void Show(ModeMenu* menu);
    // Pops the top mode and plays the leaving sound.
    static void Back();

    Lua::Script* GetScript() const { return script.Get(); }

protected:
    std::map<Norv::NarrowString, int> buttons;
    Norv::SmartPtr<Lua::Script> script;
};

} // namespace qrvl
