// The drawable items of a representation, and the reading of their values
// from a graphic description, where a representation may override them.
#pragma once

#include "guif/GuifItem.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/Types.h"
#include "norv/base/XmlIt.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/Point2.h"
#include "norv/graphics/RectT.h"

#include <map>

namespace Guif {

// The "override" elements of the representation being built, by name.
using OverrideMap = std::map<Norv::NarrowString, Norv::XmlIt>;

class Graphic : public GuifItem<Graphic> {
public:
    enum Type {
        TypeGraphic = 0,
        TypeImage = 1,
        TypeSimpleText = 2,
        TypeColorText = 3,
        TypeSprite = 4,
        TypeRectangle = 5,
        TypeTransformedSprite = 6,
    };

    ~Graphic() override = default;

    virtual void Render(Norv::Surface* surface, int alpha) = 0;
    virtual void Update(Norv::NorvFloat const& seconds) = 0;
    // With its origin at 0, 0; the control places the union of its items.
    virtual Norv::RectT<int> GetBoundingBox() = 0;
    virtual int GetType() const { return TypeGraphic; }

    // Reads the child element `key` of the item, or the override it names.
    // Numbers go through the screen's script when a screen is given. False,
    // leaving the value alone, when the item has no such element. Made for
    // int, NorvFloat, Point2<NorvFloat>, bool, NarrowString, WideString and
    // Color.
    template <class V>
    static bool GetValue(Norv::XmlIt const& element, char const* key, OverrideMap const* overrides, V& value,
                         Screen* screen = nullptr);

private:
    // The element a value is read from: the override named by the value
    // element's "override" attribute when the representation has one.
    static Norv::XmlIt ValueElement(Norv::XmlIt const& element, char const* key, OverrideMap const* overrides);
};

} // namespace Guif
