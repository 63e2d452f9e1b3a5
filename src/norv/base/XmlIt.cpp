// Walking child elements and converting their text.
#include "norv/base/XmlIt.h"

#include "contrib/ezxml/ezxml.h"
#include "norv/system/NorvStrtod.h"

#include <cerrno>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Norv {

namespace {

// Reads an integer as the scanf conversions do (leading spaces, a sign, and
// with base 0 the 0x and 0 prefixes), but refuses values outside [min, max]
// instead of overflowing.
template <class T>
bool ParseInteger(char const* text, int base, T& value)
{
    if (!text)
        return false;
    errno = 0;
    char* end = nullptr;
    long long const parsed = std::strtoll(text, &end, base);
    if (end == text || errno == ERANGE || parsed < std::numeric_limits<T>::min()
        || parsed > std::numeric_limits<T>::max())
        return false;
    value = static_cast<T>(parsed);
    return true;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A decimal number needs a digit before any point: "-.5" and "+" are none.
bool StartsWithNumber(char const* text)
{
    while (IsSpace(*text))
        ++text;
    if (*text == '+' || *text == '-')
        ++text;
    return *text >= '0' && *text <= '9';
}

bool ReadText(char const* text, NarrowString& value)
{
    if (!text)
        return false;
    value = text;
    return true;
}

bool ReadText(char const* text, WideString& value)
{
    if (!text)
        return false;
    value = WideString(NarrowString(text));
    return true;
}

} // namespace

XmlIt::XmlIt(ezxml* parent, char const* name)
    : name(name)
    , element(!parent ? nullptr : name ? ezxml_child(parent, name) : parent->child)
{
}

XmlIt::XmlIt(XmlIt const& parent, char const* name) : XmlIt(parent.element, name) {}

XmlIt& XmlIt::operator++()
{
    if (element)
        element = name ? element->next : element->ordered;
    return *this;
}

char const* XmlIt::GetName() const
{
    return element ? element->name : nullptr;
}

char const* XmlIt::GetAttribute(char const* attribute) const
{
    return element ? ezxml_attr(element, attribute) : nullptr;
}

bool XmlIt::HasAttribute(char const* attribute, bool allowEmpty) const
{
    char const* value = GetAttribute(attribute);
    return value && (allowEmpty || *value);
}

char const* XmlIt::GetContent() const
{
    return element ? element->txt : nullptr;
}

bool XmlIt::GetAttribute(char const* attribute, bool& value) const
{
    static struct {
        char const* word;
        bool value;
    } const words[] = {{"yes", true}, {"1", true}, {"true", true}, {"no", false}, {"0", false}, {"false", false}};
    char const* text = GetAttribute(attribute);
    for (auto const& w : words) {
        if (text && !std::strcmp(text, w.word)) {
            value = w.value;
            return true;
        }
    }
    return false;
}

bool XmlIt::GetAttribute(char const* attribute, float& value) const
{
    char const* text = GetAttribute(attribute);
    if (!text)
        return false;
    value = static_cast<float>(norvstrtod(text, nullptr));
    return true;
}

bool XmlIt::GetAttribute(char const* attribute, int& value) const
{
    return ParseInteger(GetAttribute(attribute), 0, value);
}

bool XmlIt::GetAttribute(char const* attribute, unsigned int& value) const
{
    return ParseInteger(GetAttribute(attribute), 10, value);
}

bool XmlIt::GetAttribute(char const* attribute, short& value) const
{
    return ParseInteger(GetAttribute(attribute), 10, value);
}

bool XmlIt::GetAttribute(char const* attribute, unsigned short& value) const
{
    return ParseInteger(GetAttribute(attribute), 10, value);
}

bool XmlIt::GetAttribute(char const* attribute, NarrowString& value) const
{
    return ReadText(GetAttribute(attribute), value);
}

bool XmlIt::GetAttribute(char const* attribute, WideString& value) const
{
    return ReadText(GetAttribute(attribute), value);
}

bool XmlIt::GetContent(bool& value) const
{
    char const* text = GetContent();
    if (!text || (std::strcmp(text, "true") && std::strcmp(text, "false")))
        return false;
    value = text[0] == 't';
    return true;
}

bool XmlIt::GetContent(float& value) const
{
    char const* text = GetContent();
    if (!text || !StartsWithNumber(text))
        return false;
    value = static_cast<float>(norvstrtod(text, nullptr));
    return true;
}

bool XmlIt::GetContent(float& x, float& y, float& z) const
{
    char const* text = GetContent();
    return text && std::sscanf(text, " %f , %f , %f ", &x, &y, &z) == 3;
}

bool XmlIt::GetContent(int& value) const
{
    return ParseInteger(GetContent(), 0, value);
}

bool XmlIt::GetContent(short& value) const
{
    return ParseInteger(GetContent(), 10, value);
}

bool XmlIt::GetContent(NarrowString& value) const
{
    return ReadText(GetContent(), value);
}

bool XmlIt::GetContent(WideString& value) const
{
    return ReadText(GetContent(), value);
}

} // namespace Norv
