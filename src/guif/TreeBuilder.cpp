// The tree builder for both kinds of tree, with each kind's item types.
#include "guif/TreeBuilder.h"

#include "guif/ColorText.h"
#include "guif/Image.h"
#include "guif/LocalisedControl.h"
#include "guif/Rectangle.h"
#include "guif/Screen.h"
#include "guif/ScrollableTextLine.h"
#include "guif/SimpleText.h"
#include "guif/Sprite.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "guif/TransformedSprite.h"

#include <cstdio>
#include <cstring>

namespace Guif {

template <class T>
Node<T>* TreeBuilder<T>::BuildNode(Norv::XmlIt const& element, Node<T>* parent)
{
    return BuildNode(element, parent, 0);
}

template <class T>
void TreeBuilder<T>::BuildChildNodes(Norv::XmlIt const& element, Node<T>* node)
{
    BuildChildNodes(element, node, 0);
}

template <class T>
Node<T>* TreeBuilder<T>::BuildNode(Norv::XmlIt const& element, Node<T>* parent, int depth)
{
    char const* elementName = element.GetName();
    if (!elementName || std::strcmp(elementName, "item") != 0)
        return nullptr;
    char const* type = element.GetAttribute("type");
    T* item = nullptr;
    if (!Create(type, element, &item))
        return nullptr;
    char const* name = element.GetAttribute("name");
    auto* node = new Node<T>(name ? name : "", item);
    if constexpr (std::is_same_v<T, Control>) {
        if (screen)
            screen->ControlAdded(item);
    }
    if (parent)
        parent->AppendChild(node);
    BuildChildNodes(element, node, depth);
    return node;
}

template <class T>
void TreeBuilder<T>::BuildChildNodes(Norv::XmlIt const& element, Node<T>* node, int depth)
{
    Norv::XmlIt const children(element, "children");
    if (!children)
        return;
    if (depth + 1 >= kMaxDepth) {
        std::fprintf(stderr, "Guif: items nested deeper than %d levels are left out\n", kMaxDepth);
        return;
    }
    for (Norv::XmlIt child(children, nullptr); child; ++child)
        BuildNode(child, node, depth + 1);
}

// Without "type" an item is a plain control.
template <>
bool TreeBuilder<Control>::Create(char const* type, Norv::XmlIt const& element, Control** item)
{
    std::string const name = type ? type : "Control";
    if (name == "Control")
        *item = new Control(element, cache, screen);
    else if (name == "TextLine")
        *item = new TextLine(element, cache, screen);
    else if (name == "ScrollableTextLine")
        *item = new ScrollableTextLine(element, cache, screen);
    else if (name == "TextBox")
        *item = new TextBox(element, screen);
    else if (name == "Localised")
        *item = new LocalisedControl(element, cache, screen);
    else
        *item = nullptr;
    return *item != nullptr;
}

// A graphic item has no default type: one without "type" is skipped like
// an unknown one.
template <>
bool TreeBuilder<Graphic>::Create(char const* type, Norv::XmlIt const& element, Graphic** item)
{
    std::string const name = type ? type : "";
    if (name == "Sprite")
        *item = new Sprite(element, overrides);
    else if (name == "ColorText")
        *item = new ColorText(element, overrides, screen);
    else if (name == "Rectangle")
        *item = new Rectangle(element, overrides, screen);
    else if (name == "Image")
        *item = new Image(element, overrides);
    else if (name == "SimpleText")
        *item = new SimpleText(element, overrides);
    else if (name == "TransformedSprite")
        *item = new TransformedSprite(element, overrides, screen);
    else
        *item = nullptr;
    return *item != nullptr;
}

template class TreeBuilder<Control>;
template class TreeBuilder<Graphic>;

} // namespace Guif
