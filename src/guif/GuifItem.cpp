// The shared item rules, made for controls and graphic items.
#include "guif/GuifItem.h"

#include "guif/Control.h"
#include "guif/Graphic.h"
#include "guif/ItemValues.h"

#include <algorithm>

namespace Guif {

namespace {

// A "true"/"false" element: present sets the mark, and anything but "true"
// leaves the value false.
void ReadMarkedFlag(Norv::XmlIt const& element, bool& mark, bool& value)
{
    if (!element)
        return;
    mark = true;
    element.GetContent(value);
}

} // namespace

template <class T>
void GuifItem<T>::ConstructCommon(Norv::XmlIt const& element, Screen* screen)
{
    ReadNumber(Norv::XmlIt(element, "x"), screen, x);
    ReadNumber(Norv::XmlIt(element, "y"), screen, y);
    relative = static_cast<bool>(Norv::XmlIt(element, "relative"));
    ReadMarkedFlag(Norv::XmlIt(element, "visibility"), hasVisibility, visible);
    ReadMarkedFlag(Norv::XmlIt(element, "touchable"), hasTouchable, touchable);
    Norv::XmlIt const alphaElement(element, "alpha");
    if (alphaElement) {
        hasAlpha = true;
        alphaElement.GetContent(alpha);
    }
    Norv::XmlIt const compositingElement(element, "compositing");
    if (compositingElement) {
        compositing = true;
        Norv::XmlIt(compositingElement, "width").GetContent(compositingWidth);
        Norv::XmlIt(compositingElement, "height").GetContent(compositingHeight);
    }
}

template <class T>
T* GuifItem<T>::GetParentItem() const
{
    return node && node->GetParent() ? node->GetParent()->GetItem() : nullptr;
}

// A relative item without a parent (a root, or a detached control) counts
// as absolute rather than reaching for a parent it does not have.
template <class T>
float GuifItem<T>::AbsoluteCoordinate(float GuifItem::*own) const
{
    if (renderingIntoOwnSurface)
        return 0;
    T const* parent = relative ? GetParentItem() : nullptr;
    return parent ? this->*own + parent->AbsoluteCoordinate(own) : this->*own;
}

template <class T>
float GuifItem<T>::CalculateX() const
{
    return AbsoluteCoordinate(&GuifItem::x);
}

template <class T>
float GuifItem<T>::CalculateY() const
{
    return AbsoluteCoordinate(&GuifItem::y);
}

template <class T>
bool GuifItem<T>::IsVisible() const
{
    for (GuifItem const* item = this; item; item = item->GetParentItem())
        if (!item->IsSelfVisible())
            return false;
    return true;
}

template <class T>
bool GuifItem<T>::HasAlpha() const
{
    for (GuifItem const* item = this; item; item = item->GetParentItem()) {
        if (item->renderingIntoOwnSurface)
            return false;
        if (item->hasAlpha)
            return true;
    }
    return false;
}

template <class T>
int GuifItem<T>::GetAlpha() const
{
    if (renderingIntoOwnSurface)
        return 255;
    // Descriptions and scripts may give any number; only 0..255 means
    // anything, and the product must not overflow.
    int const own = std::clamp(alpha, 0, 255);
    T const* parent = GetParentItem();
    if (!parent)
        return hasAlpha ? own : 255;
    if (hasAlpha && own != 255)
        return own * parent->GetAlpha() / 255;
    return parent->GetAlpha();
}

template class GuifItem<Control>;
template class GuifItem<Graphic>;

} // namespace Guif
