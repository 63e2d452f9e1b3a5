// The walks over control trees: their orders, what hidden and compositing
// controls cut off, and walks beyond the pool of walk stacks.
#include "guif/Control.h"
#include "guif/Node.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Guif::Control;
using Guif::Node;
using Tree = Node<Control>;

Tree* Add(Tree* parent, std::string const& name, bool hidden = false)
{
    auto* control = new Control();
    if (hidden)
        control->SetVisibilityExists(true);
    auto* node = new Tree(name, control);
    if (parent)
        parent->AppendChild(node);
    return node;
}

template <class Walk, class... Extra>
std::string Names(Tree* start, Extra... extra)
{
    std::string names;
    for (Walk walk(start, extra...); walk; ++walk)
        names += walk->GetName();
    return names;
}

// root(a(b, c[hidden](d)), e)
std::unique_ptr<Tree> Sample()
{
    std::unique_ptr<Tree> root(Add(nullptr, "r"));
    Tree* a = Add(root.get(), "a");
    Add(a, "b");
    Tree* c = Add(a, "c", true);
    Tree* d = Add(c, "d");
    d->GetItem()->SetVisibilityExists(true);
    d->GetItem()->SetVisibleFlag(true);
    Add(root.get(), "e");
    return root;
}

TEST(NodeWalk, OrdersAndVisibility)
{
    std::unique_ptr<Tree> root = Sample();
    EXPECT_EQ(Names<Tree::iterator>(root.get()), "rabcde");
    // The visible child of a hidden node stays unvisited.
    EXPECT_EQ(Names<Tree::visible_iterator>(root.get()), "rabe");
    std::string children;
    for (Tree::child_iterator walk(root.get()); walk; ++walk)
        children += walk->GetName();
    EXPECT_EQ(children, "ae");
    root->GetItem()->SetVisibilityExists(true);
    EXPECT_EQ(Names<Tree::visible_iterator>(root.get()), "");
    EXPECT_EQ(Names<Tree::iterator>(nullptr), "");
}

TEST(NodeWalk, RemoveChildUnlinksWithoutDestroying)
{
    std::unique_ptr<Tree> root = Sample();
    Tree* a = root->GetChildren()[0];
    Tree* e = root->GetChildren()[1];
    EXPECT_FALSE(a->RemoveChild(e));
    EXPECT_TRUE(root->RemoveChild(a));
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_EQ(Names<Tree::iterator>(root.get()), "re");
    std::unique_ptr<Tree> owned(a);
    EXPECT_EQ(Names<Tree::iterator>(a), "abcd");
}

TEST(NodeWalk, CompositingControlsKeepTheirChildren)
{
    std::unique_ptr<Tree> root(Add(nullptr, "r"));
    Norv::SmartPtr<Norv::Xml> document =
        Norv::Xml::Create("<item><compositing><width>8</width><height>8</height></compositing></item>");
    ASSERT_TRUE(document);
    auto* composited = new Control(Norv::XmlIt(document->GetTree()), nullptr, nullptr);
    ASSERT_TRUE(composited->HasCompositing());
    auto* c = new Tree("c", composited);
    root->AppendChild(c);
    Add(c, "x");
    Add(root.get(), "e");
    EXPECT_EQ(Names<Tree::compositing_iterator>(root.get()), "rce");
    // Started at the compositing control, the walk enters it once.
    EXPECT_EQ(Names<Tree::compositing_iterator>(c), "cx");
    EXPECT_EQ(Names<Tree::compositing_iterator>(c, false), "c");
}

TEST(NodeWalk, WalksBeyondThePoolStillRun)
{
    std::unique_ptr<Tree> root = Sample();
    int const freeBefore = Guif::WalkStack::FreePoolStacks();
    {
        // Eight walks at once use the whole pool; a ninth takes the heap.
        std::vector<std::unique_ptr<Tree::iterator>> walks;
        for (int i = 0; i < Guif::WalkStack::kPoolStacks; ++i)
            walks.emplace_back(new Tree::iterator(root.get()));
        EXPECT_EQ(Guif::WalkStack::FreePoolStacks(), freeBefore - Guif::WalkStack::kPoolStacks);
        EXPECT_EQ(Names<Tree::iterator>(root.get()), "rabcde");
        // Ended out of order, they give their stacks back all the same.
        walks.erase(walks.begin() + 3);
        walks.erase(walks.begin());
    }
    EXPECT_EQ(Guif::WalkStack::FreePoolStacks(), freeBefore);
}

TEST(NodeWalk, WideTreeOutgrowsOneStack)
{
    std::unique_ptr<Tree> root(Add(nullptr, "r"));
    int const children = static_cast<int>(Guif::WalkStack::kStackDepth) + 500;
    for (int i = 0; i < children; ++i)
        Add(root.get(), "c");
    int visited = 0;
    for (Tree::iterator walk(root.get()); walk; ++walk)
        ++visited;
    EXPECT_EQ(visited, children + 1);
    EXPECT_EQ(Guif::WalkStack::FreePoolStacks(), Guif::WalkStack::kPoolStacks);
}

} // namespace
