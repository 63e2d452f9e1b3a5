// A scripted 2D page: a control tree, the Lua state its script runs in and
// an index of the controls by name. Input and the frame tick go to the
// script's handlers of the same names; the screen draws the tree.
#pragma once

#include "guif/Control.h"
#include "guif/Node.h"
#include "norv/base/KeyCode.h"
#include "norv/base/Lua.h"
#include "norv/base/Lunar.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

#include <initializer_list>
#include <map>
#include <vector>

namespace Guif {

class Screen : public Norv::RefCounter, public Norv::WeakRefCounter {
public:
    static char const className[];
    static Norv::Lunar<Screen>::RegType methods[];

    // What a script's Screen() makes: no tree, no script state, no names.
    Screen();
    // The root control "root" and a script state (on the given heap; 0 and
    // null for the process allocator) with the base, table and string
    // libraries, the GUI classes and this screen as the global "screen".
    Screen(unsigned int heapSize, void* heapMemory);
    ~Screen() override;

    // Draws the visible tree shifted by (dx, dy).
    virtual void Render(Norv::Surface* surface, float dx, float dy);
    virtual void OnKeyUp(Norv::KeyCode key);
    virtual void OnKeyDown(Norv::KeyCode key);
    virtual void OnTouchUp(int x, int y, int id);
    virtual void OnTouchDown(int x, int y, int id);
    virtual void OnTouchMove(int x, int y, int id);
    // The script's "Update" handler, then every control, hidden or not.
    virtual void Update(Norv::NorvFloat const& seconds);

    // Indexes a named control; the first control of a name keeps it.
    void ControlAdded(Control* control);
    Control* FindControl(Norv::NarrowString const& name) const;
    // The topmost visible touchable control whose box holds the point.
    Control* GetTouchableControl(int x, int y);
    // The named controls re-read their texts, then the script's handler runs.
    void UpdateTexts();
    void UpdateRepresentation(Norv::NarrowString const& name);
    // One line per control: flags, name by depth and effective alpha, with
    // the colour escapes of the developer console; written to stderr.
    std::vector<Norv::NarrowString> DumpLines() const;
    void DumpState() const;

    Node<Control>* GetRoot() const { return root; }
    Norv::Lua* GetLua() const { return lua.Get(); }

    // Keeps a control that a script took out of the tree alive until it is
    // attached again or the screen ends; false when it holds no such node.
    void KeepDetached(Node<Control>* node);
    bool ReleaseDetached(Node<Control>* node);

    // The screen of a script state: its global "screen" when that is a
    // screen with a tree, else null.
    static Screen* OfScript(lua_State* L);
    // Pushes a native-owned control as the script class of its type.
    static void PushControl(lua_State* L, Control* control);

    // Script methods.
    int l_GetControl(lua_State* L);
    int l_GetText(lua_State* L);
    int l_GetTouchableControl(lua_State* L);

private:
    // Calls the script's handler with the screen and the numbers; a missing
    // handler drops the call, a failing one is logged.
    void CallHandler(char const* handler, std::initializer_list<double> arguments);

    Node<Control>* root = nullptr;
    Norv::SmartPtr<Norv::Lua> lua;
    std::map<Norv::NarrowString, Control*> controlsByName;
    std::vector<Node<Control>*> detached;
};

} // namespace Guif
