// Builds control trees and graphic trees from the "item" elements of GUI
// descriptions.
#pragma once

#include "guif/Control.h"
#include "guif/Graphic.h"
#include "guif/Node.h"
#include "norv/base/XmlIt.h"

namespace Guif {

class Screen;

template <class T>
class TreeBuilder {
public:
    // Control builds use the document cache; graphic builds the overrides.
    // The screen evaluates numbers and learns of every named control; it may
    // be null.
    TreeBuilder(DocumentCache* cache, OverrideMap const* overrides, Screen* screen)
        : cache(cache), overrides(overrides), screen(screen)
    {
    }

    // Items nested deeper than this are not built: no screen needs a tenth
    // of it, and every level costs a frame of recursion here and in each
    // walk of the tree.
    static constexpr int kMaxDepth = 64;

    // Builds the node of an "item" element and its subtree, appended to the
    // parent when one is given; null for another element or an unknown type.
    Node<T>* BuildNode(Norv::XmlIt const& element, Node<T>* parent);
    // Builds the items of the element's first "children" under the node.
    void BuildChildNodes(Norv::XmlIt const& element, Node<T>* node);
    // Makes the item of the named type; false, storing null, for a type this
    // kind of tree does not know.
    bool Create(char const* type, Norv::XmlIt const& element, T** item);

private:
    // `depth` counts the item levels above the element's own.
    Node<T>* BuildNode(Norv::XmlIt const& element, Node<T>* parent, int depth);
    void BuildChildNodes(Norv::XmlIt const& element, Node<T>* node, int depth);

    DocumentCache* cache;
    OverrideMap const* overrides;
    Screen* screen;
};

} // namespace Guif
