// A node of a screen's control tree: positioned, optionally relative,
// translucent, hideable and touchable; it draws itself through one of its
// named representations (graphic trees) and can draw its whole subtree into
// an offscreen surface first (compositing).
#pragma once

#include "guif/GuifItem.h"
#include "guif/Node.h"
#include "norv/base/Lunar.h"
#include "norv/base/Xml.h"
#include "norv/graphics/RectT.h"

#include <map>

namespace Guif {

class Graphic;

// The graphic description files loaded during one build, by file name.
using DocumentCache = std::map<Norv::NarrowString, Norv::SmartPtr<Norv::Xml>>;

class Control : public GuifItem<Control> {
public:
    enum Type {
        TypeControl = 0,
        TypeTextBox = 1,
        TypeTextLine = 2,
        TypeLocalised = 3,
        TypeScrollableTextLine = 4,
    };

    using Representation = Norv::SmartPtr<Node<Graphic>>;

    static char const className[];
    static Norv::Lunar<Control>::RegType methods[];

    // A control without description: default fields, no representation.
    Control();
    // Reads the common elements and builds every "representation", loading
    // each graphic file once per build through the cache.
    Control(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen);
    ~Control() override;

    // Draws the current representation at the control's position, or, for a
    // compositing control, its whole visible subtree through its surface.
    virtual void Render(Norv::Surface* surface);
    virtual void Update(Norv::NorvFloat const& seconds);
    // Re-reads texts after a change of language; plain controls have none.
    virtual void UpdateTexts() {}
    // Switches to the representation of that name when there is one.
    virtual void UpdateRepresentation(Norv::NarrowString const& name);
    // The own position with the size of the union of the current
    // representation's items.
    virtual Norv::RectT<int> GetBoundingBox();
    // The same union placed at the absolute position, for touch picking.
    virtual Norv::RectT<int> GetBoundingBoxAbsolute();
    virtual int GetType() const { return TypeControl; }

    // Stores the name; the representation of that name becomes current when
    // there is one, otherwise the drawn tree stays as it was.
    void SetRepresentationName(Norv::NarrowString const& name);
    Norv::NarrowString const& GetRepresentationName() const { return currentName; }
    Node<Graphic>* GetCurrentRepresentation() const { return current.Get(); }
    Node<Graphic>* GetRepresentation(Norv::NarrowString const& name) const;
    std::map<Norv::NarrowString, Representation> const& GetRepresentations() const { return representations; }
    // Builds a representation from a graphic file (numbers read plainly);
    // false when the file cannot be loaded.
    bool AddRepresentation(Norv::NarrowString const& name, Norv::NarrowString const& file);
    // Builds the items of a control description file as the last children
    // of this control; false when the file cannot be loaded.
    bool InsertFromXml(Norv::NarrowString const& file, Screen* screen);

    // Script methods, shared by every control class.
    int l_GetName(lua_State* L);
    int l_GetVisibility(lua_State* L);
    int l_SetVisibility(lua_State* L);
    int l_SetVisibilityExists(lua_State* L);
    int l_GetX(lua_State* L);
    int l_GetAbsX(lua_State* L);
    int l_SetX(lua_State* L);
    int l_GetY(lua_State* L);
    int l_GetAbsY(lua_State* L);
    int l_SetY(lua_State* L);
    int l_GetAlpha(lua_State* L);
    int l_SetAlpha(lua_State* L);
    int l_ShiftPos(lua_State* L);
    int l_GetSize(lua_State* L);
    int l_GetWidth(lua_State* L);
    int l_GetHeight(lua_State* L);
    int l_SetRepresentation(lua_State* L);
    int l_GetRepresentation(lua_State* L);
    int l_SetTouchable(lua_State* L);
    int l_GetTouchable(lua_State* L);
    int l_GetControl(lua_State* L);
    int l_SetRelative(lua_State* L);
    int l_InsertFromXml(lua_State* L);
    int l_InsertControl(lua_State* L);
    int l_Attach(lua_State* L);
    int l_Detach(lua_State* L);
    int l_AddRepresentation(lua_State* L);

protected:
    // Inserts a built representation unless the name is taken.
    void AddBuiltRepresentation(Norv::NarrowString const& name, Node<Graphic>* root);
    // After the first representations exist, "default" becomes current.
    void SelectDefaultRepresentation();

private:
    // The union of the current representation's item boxes.
    Norv::RectT<int> RepresentationBox() const;
    void RenderComposited(Norv::Surface* surface);
    void RenderRepresentation(Norv::Surface* surface);

    std::map<Norv::NarrowString, Representation> representations;
    Representation current;
    Norv::NarrowString currentName;
};

} // namespace Guif

// The script methods every control class offers, for the method tables of
// the control classes (a class's own method of the same name wins).
#define GUIF_CONTROL_SCRIPT_METHODS(Class)                                                                     \
    {"GetName", &Class::l_GetName}, {"GetVisibility", &Class::l_GetVisibility},                              \
        {"SetVisibility", &Class::l_SetVisibility}, {"SetVisibilityExists", &Class::l_SetVisibilityExists},  \
        {"GetX", &Class::l_GetX}, {"GetAbsX", &Class::l_GetAbsX}, {"SetX", &Class::l_SetX},                  \
        {"GetY", &Class::l_GetY}, {"GetAbsY", &Class::l_GetAbsY}, {"SetY", &Class::l_SetY},                  \
        {"GetAlpha", &Class::l_GetAlpha}, {"SetAlpha", &Class::l_SetAlpha}, {"ShiftPos", &Class::l_ShiftPos}, \
        {"GetSize", &Class::l_GetSize}, {"GetWidth", &Class::l_GetWidth}, {"GetHeight", &Class::l_GetHeight}, \
        {"SetRepresentation", &Class::l_SetRepresentation}, {"GetRepresentation", &Class::l_GetRepresentation}, \
        {"SetTouchable", &Class::l_SetTouchable}, {"GetTouchable", &Class::l_GetTouchable},                  \
        {"GetControl", &Class::l_GetControl}, {"SetRelative", &Class::l_SetRelative},                        \
        {"InsertFromXml", &Class::l_InsertFromXml}, {"InsertControl", &Class::l_InsertControl},              \
        {"Attach", &Class::l_Attach}, {"Detach", &Class::l_Detach},                                          \
        {"AddRepresentation", &Class::l_AddRepresentation}
