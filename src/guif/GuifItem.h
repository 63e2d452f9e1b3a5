// What controls and graphic items share: position (absolute or relative to
// the parent item), alpha, visibility and touchability marks, compositing
// into an offscreen surface, and the node the item hangs on.
#pragma once

#include "guif/Node.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/Types.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/base/XmlIt.h"
#include "norv/graphics/Surface.h"

namespace Guif {

class Screen;

template <class T>
class GuifItem : public Norv::RefCounter, public Norv::WeakRefCounter {
public:
    // Reads "x", "y", "relative", "visibility", "touchable", "alpha" and
    // "compositing"; numbers go through the screen's script when given.
    void ConstructCommon(Norv::XmlIt const& element, Screen* screen);

    // The absolute position: 0 while drawing into the item's own surface,
    // else the own position plus, for a relative item with a parent item,
    // the parent's absolute position.
    float CalculateX() const;
    float CalculateY() const;

    // Visible by its own marks: no visibility mark, or the mark set.
    bool IsSelfVisible() const { return !hasVisibility || visible; }
    // Visible along the whole chain to the root.
    bool IsVisible() const;
    // Whether this item or one above it up to a compositing boundary has
    // an alpha mark.
    bool HasAlpha() const;
    // The effective alpha: own alphas multiplied down the chain.
    int GetAlpha() const;

    Node<T>* GetNode() const { return node; }
    void SetNode(Node<T>* owner) { node = owner; }
    // The item of the parent node, or null.
    T* GetParentItem() const;

    float GetX() const { return x; }
    float GetY() const { return y; }
    void SetX(float value) { x = value; }
    void SetY(float value) { y = value; }
    bool IsRelative() const { return relative; }
    void SetRelative(bool value) { relative = value; }
    int GetOwnAlpha() const { return alpha; }
    void SetOwnAlpha(int value) { alpha = value; }
    bool HasAlphaMark() const { return hasAlpha; }
    bool GetVisibleFlag() const { return visible; }
    void SetVisibleFlag(bool value) { visible = value; }
    bool HasVisibility() const { return hasVisibility; }
    void SetVisibilityExists(bool value) { hasVisibility = value; }
    bool GetTouchableFlag() const { return touchable; }
    void SetTouchableFlag(bool value) { touchable = value; }
    bool HasTouchable() const { return hasTouchable; }
    bool HasCompositing() const { return compositing; }

protected:
    GuifItem() = default;

    // The own coordinate plus the parent's, for a relative item.
    float AbsoluteCoordinate(float GuifItem::*own) const;

    Norv::SmartPtr<Norv::Surface> compositingSurface;
    float x = 0;
    float y = 0;
    bool relative = false;
    int alpha = 255;
    bool hasAlpha = false;
    bool visible = false;
    bool hasVisibility = false;
    bool touchable = false;
    bool hasTouchable = false;
    bool compositing = false;
    bool renderingIntoOwnSurface = false;
    int compositingWidth = 0;
    int compositingHeight = 0;
    Node<T>* node = nullptr;
};

} // namespace Guif
