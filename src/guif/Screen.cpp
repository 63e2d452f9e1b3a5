// The scripted screen: construction, handlers, drawing, picking and the
// index of controls by name.
#include "guif/Screen.h"

#include "guif/Graphic.h"
#include "guif/Image.h"
#include "guif/LocalisedControl.h"
#include "guif/ScrollableTextLine.h"
#include "guif/Sprite.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "guif/TransformedSprite.h"

#include <algorithm>
#include <cstdio>

namespace Guif {

Screen::Screen() = default;

Screen::Screen(unsigned int heapSize, void* heapMemory)
{
    root = new Node<Control>("root", new Control());
    lua = new Norv::Lua(heapSize, heapMemory);
    lua_State* L = lua->GetState();
    if (L) {
        lua->RegisterLibrary(Norv::Lua::LibBase);
        lua->RegisterLibrary(Norv::Lua::LibTable);
        lua->RegisterLibrary(Norv::Lua::LibString);
        Norv::Lunar<Screen>::Register(L);
        Norv::Lunar<Control>::Register(L);
        Norv::Lunar<TextBox>::Register(L);
        Norv::Lunar<TextLine>::Register(L);
        Norv::Lunar<ScrollableTextLine>::Register(L);
        Norv::Lunar<LocalisedControl>::Register(L);
        Norv::Lunar<Sprite>::Register(L);
        Norv::Lunar<Image>::Register(L);
        Norv::Lunar<TransformedSprite>::Register(L);
        Norv::Lunar<Screen>::push(L, this, false);
        lua->RegisterGlobal("screen");
    } else {
        std::fprintf(stderr, "Guif: the screen's script state could not be made\n");
    }
    ControlAdded(root->GetItem());
}

Screen::~Screen()
{
    delete root;
    for (Node<Control>* node : detached)
        delete node;
    controlsByName.clear();
    lua.Release();
}

void Screen::CallHandler(char const* handler, std::initializer_list<double> arguments)
{
    lua_State* L = lua ? lua->GetState() : nullptr;
    if (!L)
        return;
    int const top = lua_gettop(L);
    Norv::Lunar<Screen>::push(L, this, false);
    lua_getfield(L, -1, handler);
    bool const defined = !lua_isnil(L, -1);
    lua_pop(L, 1);
    if (defined) {
        for (double argument : arguments)
            lua_pushnumber(L, argument);
        if (Norv::Lunar<Screen>::call(L, handler, static_cast<int>(arguments.size()), 0, 0) < 0)
            std::fprintf(stderr, "Guif: %s\n", lua_tostring(L, -1));
    }
    lua_settop(L, top);
}

void Screen::OnKeyUp(Norv::KeyCode key) { CallHandler("OnKeyUp", {static_cast<double>(static_cast<unsigned>(key))}); }

void Screen::OnKeyDown(Norv::KeyCode key)
{
    CallHandler("OnKeyDown", {static_cast<double>(static_cast<unsigned>(key))});
}

void Screen::OnTouchUp(int x, int y, int id) { CallHandler("OnTouchUp", {double(x), double(y), double(id)}); }
void Screen::OnTouchDown(int x, int y, int id) { CallHandler("OnTouchDown", {double(x), double(y), double(id)}); }
void Screen::OnTouchMove(int x, int y, int id) { CallHandler("OnTouchMove", {double(x), double(y), double(id)}); }

void Screen::Update(Norv::NorvFloat const& seconds)
{
    CallHandler("Update", {seconds});
    for (Node<Control>::iterator walk(root); walk; ++walk)
        walk->GetItem()->Update(seconds);
}

void Screen::UpdateTexts()
{
    for (auto const& entry : controlsByName)
        entry.second->UpdateTexts();
    CallHandler("UpdateTexts", {});
}

void Screen::UpdateRepresentation(Norv::NarrowString const& name)
{
    for (auto const& entry : controlsByName)
        entry.second->UpdateRepresentation(name);
}

void Screen::ControlAdded(Control* control)
{
    Node<Control>* node = control ? control->GetNode() : nullptr;
    if (node && !node->GetName().empty())
        controlsByName.emplace(node->GetName(), control);
}

Control* Screen::FindControl(Norv::NarrowString const& name) const
{
    auto const found = controlsByName.find(name);
    return found != controlsByName.end() ? found->second : nullptr;
}

void Screen::Render(Norv::Surface* surface, float dx, float dy)
{
    // Compositing controls draw their own subtrees, the root included.
    for (Node<Control>::compositing_iterator walk(root, false); walk; ++walk) {
        Control* control = walk->GetItem();
        // Put back exactly: adding and subtracting a float may not be.
        float const x = control->GetX();
        float const y = control->GetY();
        control->SetX(x + dx);
        control->SetY(y + dy);
        control->Render(surface);
        control->SetX(x);
        control->SetY(y);
    }
}

Control* Screen::GetTouchableControl(int x, int y)
{
    Control* hit = nullptr;
    for (Node<Control>::visible_iterator walk(root); walk; ++walk) {
        Control* control = walk->GetItem();
        if (!control->HasTouchable() || !control->GetTouchableFlag())
            continue;
        Norv::RectT<int> const box = control->GetBoundingBoxAbsolute();
        // Every edge counts as inside; in 64 bits so that no box overflows.
        long long const right = static_cast<long long>(box.x) + box.width;
        long long const bottom = static_cast<long long>(box.y) + box.height;
        if (box.x <= x && x <= right && box.y <= y && y <= bottom)
            hit = control;
    }
    return hit;
}

void Screen::KeepDetached(Node<Control>* node)
{
    if (node && std::find(detached.begin(), detached.end(), node) == detached.end())
        detached.push_back(node);
}

bool Screen::ReleaseDetached(Node<Control>* node)
{
    auto const found = std::find(detached.begin(), detached.end(), node);
    if (found == detached.end())
        return false;
    detached.erase(found);
    return true;
}

std::vector<Norv::NarrowString> Screen::DumpLines() const
{
    // A colour escape of the console: byte 1, then red, green and blue, a
    // zero written as 1 so that no byte ends the text.
    auto const colour = [](int r, int g, int b) {
        Norv::NarrowString escape(1, '\1');
        for (int level : {r, g, b})
            escape += static_cast<char>(level ? level : 1);
        return escape;
    };
    auto const column = [&](int r, int g, int b, bool on, char mark) {
        return colour(r, g, b) + (on ? mark : '-');
    };
    std::vector<Norv::NarrowString> lines{"GUIF menu state dump"};
    std::vector<std::pair<Node<Control>*, int>> pending;
    if (root)
        pending.emplace_back(root, 0);
    while (!pending.empty()) {
        auto const [node, depth] = pending.back();
        pending.pop_back();
        Control const* control = node->GetItem();
        int const alpha = control->GetAlpha();
        Norv::NarrowString line = column(192, 1, 1, control->HasVisibility(), 'v') +
                                  column(255, 1, 1, control->IsVisible(), 'V') +
                                  column(1, 192, 1, control->HasAlphaMark(), 'a') +
                                  column(255, 255, 255, alpha == 255, 'A') +
                                  column(128, 128, 128, alpha > 0 && alpha < 255, 'A') +
                                  column(64, 64, 64, alpha == 0, 'A') +
                                  column(128, 128, 1, control->HasTouchable(), 't') +
                                  column(192, 192, 1, control->HasTouchable() && control->GetTouchableFlag(), 'T');
        int const shade = control->IsVisible() ? 255 : 128;
        line += colour(shade, shade, shade) + " " + Norv::NarrowString(static_cast<std::size_t>(depth) * 2, ' ');
        line += node->GetName().empty() ? Norv::NarrowString("<anonymous>") : node->GetName();
        line += " " + colour(1, 64, 1) + "a: " + std::to_string(alpha);
        lines.push_back(line);
        auto const& children = node->GetChildren();
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            pending.emplace_back(*child, depth + 1);
    }
    return lines;
}

// The game has no developer console, so the dump goes to stderr.
void Screen::DumpState() const
{
    for (Norv::NarrowString const& line : DumpLines())
        std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace Guif
