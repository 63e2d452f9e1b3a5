// Typed reading of graphic item values, with overrides.
#include "guif/Graphic.h"

#include "guif/ItemValues.h"

namespace Guif {

namespace {

void Convert(Norv::XmlIt const& source, Screen* screen, int& value) { ReadNumber(source, screen, value); }

void Convert(Norv::XmlIt const& source, Screen* screen, Norv::NorvFloat& value)
{
    ReadNumber(source, screen, value);
}

// A point's missing coordinate is 0.
void Convert(Norv::XmlIt const& source, Screen* screen, Norv::Point2<Norv::NorvFloat>& value)
{
    value = Norv::Point2<Norv::NorvFloat>();
    ReadNumber(Norv::XmlIt(source, "x"), screen, value.x);
    ReadNumber(Norv::XmlIt(source, "y"), screen, value.y);
}

void Convert(Norv::XmlIt const& source, Screen*, bool& value) { source.GetContent(value); }
void Convert(Norv::XmlIt const& source, Screen*, Norv::NarrowString& value) { source.GetContent(value); }
void Convert(Norv::XmlIt const& source, Screen*, Norv::WideString& value) { source.GetContent(value); }
void Convert(Norv::XmlIt const& source, Screen*, Norv::Color& value) { ReadColor(source, value); }

} // namespace

Norv::XmlIt Graphic::ValueElement(Norv::XmlIt const& element, char const* key, OverrideMap const* overrides)
{
    Norv::XmlIt const value(element, key);
    char const* overrideName = value.GetAttribute("override");
    if (overrideName && overrides) {
        auto const found = overrides->find(overrideName);
        if (found != overrides->end())
            return found->second;
    }
    return value;
}

template <class V>
bool Graphic::GetValue(Norv::XmlIt const& element, char const* key, OverrideMap const* overrides, V& value,
                       Screen* screen)
{
    Norv::XmlIt const source = ValueElement(element, key, overrides);
    if (!source)
        return false;
    Convert(source, screen, value);
    return true;
}

template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, int&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, Norv::NorvFloat&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*,
                                Norv::Point2<Norv::NorvFloat>&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, bool&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, Norv::NarrowString&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, Norv::WideString&, Screen*);
template bool Graphic::GetValue(Norv::XmlIt const&, char const*, OverrideMap const*, Norv::Color&, Screen*);

} // namespace Guif
