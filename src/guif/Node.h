// A node of a control tree or of a representation's graphic tree: a name,
// the item it carries and its children, with the walks over a subtree.
#pragma once

#include "guif/WalkStack.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

#include <algorithm>
#include <vector>

namespace Guif {

template <class T>
class Node : public Norv::RefCounter {
public:
    // The node owns the item from now on and tells it where it hangs.
    Node(Norv::NarrowString const& name, T* item) : name(name), item(item)
    {
        if (item)
            item->SetNode(this);
    }

    // Children go first, in list order, then the item: whatever their
    // reference counts, the tree owns them.
    ~Node() override
    {
        for (Node* child : children)
            delete child;
        delete item;
    }

    Node(Node const&) = delete;
    Node& operator=(Node const&) = delete;

    Norv::NarrowString const& GetName() const { return name; }
    T* GetItem() const { return item; }
    Node* GetParent() const { return parent; }
    std::vector<Node*> const& GetChildren() const { return children; }

    void AppendChild(Node* child)
    {
        children.push_back(child);
        child->parent = this;
    }

    // Unlinks the child without destroying it; false when it is not ours.
    bool RemoveChild(Node* child)
    {
        auto const found = std::find(children.begin(), children.end(), child);
        if (found == children.end())
            return false;
        children.erase(found);
        child->parent = nullptr;
        return true;
    }

    // True when `other` is this node or lies below it.
    bool Contains(Node const* other) const
    {
        for (; other; other = other->parent)
            if (other == this)
                return true;
        return false;
    }

    // Pre-order walks: the current node is the top of the walk's stack.
    class Walk {
    public:
        Walk(Walk const&) = delete;
        Walk& operator=(Walk const&) = delete;

        explicit operator bool() const { return !stack.Empty(); }
        Node* Get() const { return static_cast<Node*>(stack.Top()); }
        Node* operator->() const { return Get(); }
        Node& operator*() const { return *Get(); }

    protected:
        enum class Kind { All, Visible, Compositing };

        Walk(Node* start, Kind kind, bool descendIntoStart) : kind(kind), descendIntoStart(descendIntoStart)
        {
            if (start && Admits(start))
                stack.Push(start);
        }

        void Step()
        {
            Node* node = static_cast<Node*>(stack.Pop());
            bool const first = !stepped;
            stepped = true;
            if (!node)
                return;
            if (kind == Kind::Compositing && node->item && node->item->HasCompositing() &&
                !(first && descendIntoStart))
                return;
            for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
                if (Admits(*child))
                    stack.Push(*child);
        }

    private:
        bool Admits(Node* node) const { return kind == Kind::All || !node->item || node->item->IsSelfVisible(); }

        WalkStack stack;
        Kind kind;
        bool descendIntoStart;
        bool stepped = false;
    };

    // Every node of the subtree, the root first, children in list order.
    class iterator : public Walk {
    public:
        explicit iterator(Node* start) : Walk(start, Walk::Kind::All, true) {}
        iterator& operator++()
        {
            this->Step();
            return *this;
        }
    };

    // Only nodes whose items are visible by their own flags; the subtree of
    // a hidden node is skipped whole.
    class visible_iterator : public Walk {
    public:
        explicit visible_iterator(Node* start) : Walk(start, Walk::Kind::Visible, true) {}
        visible_iterator& operator++()
        {
            this->Step();
            return *this;
        }
    };

    // A visible walk that leaves the children of compositing items to them;
    // the start node's children are walked unless `descendIntoStart` is false.
    class compositing_iterator : public Walk {
    public:
        explicit compositing_iterator(Node* start, bool descendIntoStart = true)
            : Walk(start, Walk::Kind::Compositing, descendIntoStart)
        {
        }
        compositing_iterator& operator++()
        {
            this->Step();
            return *this;
        }
    };

    // The direct children, in list order.
    class child_iterator {
    public:
        explicit child_iterator(Node* parent) : parent(parent) {}
        explicit operator bool() const { return parent && index < parent->children.size(); }
        Node* Get() const { return parent->children[index]; }
        Node* operator->() const { return Get(); }
        child_iterator& operator++()
        {
            ++index;
            return *this;
        }

    private:
        Node* parent;
        std::size_t index = 0;
    };

private:
    Norv::NarrowString name;
    std::vector<Node*> children;
    T* item;
    Node* parent = nullptr;
};

} // namespace Guif
