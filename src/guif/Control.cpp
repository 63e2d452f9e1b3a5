// Controls: building representations, drawing, updating and measuring.
#include "guif/Control.h"

#include "guif/Graphic.h"
#include "guif/ItemValues.h"
#include "guif/TreeBuilder.h"

#include <cstdio>

namespace Guif {

namespace {

// The root item of a graphic description: the document element's first
// child element, whatever its name.
Norv::XmlIt RootItemElement(Norv::Xml const& document)
{
    return document.GetTree() ? Norv::XmlIt(document.GetTree(), nullptr) : Norv::XmlIt();
}

} // namespace

Control::Control() = default;

Control::Control(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen)
{
    ConstructCommon(element, screen);
    for (Norv::XmlIt representation(element, "representation"); representation; ++representation) {
        char const* type = representation.GetAttribute("type");
        Norv::NarrowString const name = type ? type : "default";
        OverrideMap overrides;
        for (Norv::XmlIt override(representation, "override"); override; ++override) {
            char const* overrideName = override.GetAttribute("name");
            if (overrideName)
                overrides.emplace(overrideName, override);
        }
        char const* file = representation.GetAttribute("file");
        if (!file) {
            std::fprintf(stderr, "Guif: representation \"%s\" names no file\n", name.c_str());
            continue;
        }
        Norv::SmartPtr<Norv::Xml> document;
        auto const cached = cache ? cache->find(file) : DocumentCache::iterator();
        if (cache && cached != cache->end()) {
            document = cached->second;
        } else {
            document = Norv::Xml::LoadFromFile(file);
            if (cache)
                (*cache)[file] = document;
        }
        if (!document) {
            std::fprintf(stderr, "Guif: cannot load the graphic description \"%s\"\n", file);
            continue;
        }
        TreeBuilder<Graphic> builder(nullptr, &overrides, screen);
        AddBuiltRepresentation(name, builder.BuildNode(RootItemElement(*document), nullptr));
    }
    if (!representations.empty())
        SelectDefaultRepresentation();
}

Control::~Control() = default;

void Control::AddBuiltRepresentation(Norv::NarrowString const& name, Node<Graphic>* root)
{
    // A second representation of a taken name is dropped with its tree.
    Representation held(root);
    representations.emplace(name, held);
}

void Control::SelectDefaultRepresentation()
{
    currentName = "default";
    auto const found = representations.find(currentName);
    if (found != representations.end())
        current = found->second;
}

Node<Graphic>* Control::GetRepresentation(Norv::NarrowString const& name) const
{
    auto const found = representations.find(name);
    return found != representations.end() ? found->second.Get() : nullptr;
}

void Control::SetRepresentationName(Norv::NarrowString const& name)
{
    currentName = name;
    auto const found = representations.find(name);
    if (found != representations.end())
        current = found->second;
}

void Control::UpdateRepresentation(Norv::NarrowString const& name)
{
    if (representations.count(name))
        SetRepresentationName(name);
}

bool Control::AddRepresentation(Norv::NarrowString const& name, Norv::NarrowString const& file)
{
    Norv::SmartPtr<Norv::Xml> document = Norv::Xml::LoadFromFile(file.c_str());
    if (!document) {
        std::fprintf(stderr, "Guif: cannot load the graphic description \"%s\"\n", file.c_str());
        return false;
    }
    bool const first = representations.empty();
    OverrideMap const noOverrides;
    TreeBuilder<Graphic> builder(nullptr, &noOverrides, nullptr);
    AddBuiltRepresentation(name, builder.BuildNode(RootItemElement(*document), nullptr));
    if (first)
        SelectDefaultRepresentation();
    return true;
}

bool Control::InsertFromXml(Norv::NarrowString const& file, Screen* screen)
{
    Norv::SmartPtr<Norv::Xml> document = Norv::Xml::LoadFromFile(file.c_str());
    if (!document || !document->GetTree()) {
        std::fprintf(stderr, "Guif: cannot load the control description \"%s\"\n", file.c_str());
        return false;
    }
    DocumentCache cache;
    TreeBuilder<Control> builder(&cache, nullptr, screen);
    for (Norv::XmlIt item(document->GetTree(), "item"); item; ++item)
        builder.BuildNode(item, node);
    return true;
}

void Control::Render(Norv::Surface* surface)
{
    if (compositing && !renderingIntoOwnSurface && compositingWidth > 0 && compositingHeight > 0)
        RenderComposited(surface);
    else
        RenderRepresentation(surface);
}

void Control::RenderComposited(Norv::Surface* surface)
{
    if (!compositingSurface)
        compositingSurface = new Norv::Surface(compositingWidth, compositingHeight, Norv::RGBA8888);
    compositingSurface->Clear(static_cast<unsigned char>(0));
    renderingIntoOwnSurface = true;
    for (Node<Control>::compositing_iterator walk(node); walk; ++walk)
        walk->GetItem()->Render(compositingSurface.Get());
    renderingIntoOwnSurface = false;
    compositingSurface->SetAlpha(AlphaByte(GetAlpha()));
    surface->Blit(CalculateX(), CalculateY(), compositingSurface.Get(), compositingSurface->GetClipRect());
}

void Control::RenderRepresentation(Norv::Surface* surface)
{
    Graphic* root = current ? current->GetItem() : nullptr;
    if (!root)
        return;
    // The root item is placed at the control's position for the walk and
    // put back exactly afterwards.
    float const rootX = root->GetX();
    float const rootY = root->GetY();
    root->SetX(rootX + CalculateX());
    root->SetY(rootY + CalculateY());
    int const alpha = HasAlpha() ? GetAlpha() : 255;
    for (Node<Graphic>::iterator walk(current.Get()); walk; ++walk)
        walk->GetItem()->Render(surface, alpha);
    root->SetX(rootX);
    root->SetY(rootY);
}

void Control::Update(Norv::NorvFloat const& seconds)
{
    for (Node<Graphic>::iterator walk(current.Get()); walk; ++walk)
        walk->GetItem()->Update(seconds);
}

Norv::RectT<int> Control::RepresentationBox() const
{
    Norv::RectT<int> box;
    bool first = true;
    for (Node<Graphic>::iterator walk(current.Get()); walk; ++walk) {
        Norv::RectT<int> const itemBox = walk->GetItem()->GetBoundingBox();
        box = first ? itemBox : box.Extend(itemBox);
        first = false;
    }
    return box;
}

Norv::RectT<int> Control::GetBoundingBox()
{
    Norv::RectT<int> const box = RepresentationBox();
    return Norv::RectT<int>(TruncateToInt(x), TruncateToInt(y), box.width, box.height);
}

Norv::RectT<int> Control::GetBoundingBoxAbsolute()
{
    Norv::RectT<int> const box = RepresentationBox();
    return Norv::RectT<int>(TruncateToInt(box.x + CalculateX()), TruncateToInt(box.y + CalculateY()), box.width,
                            box.height);
}

} // namespace Guif
