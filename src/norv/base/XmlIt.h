// A cursor over the child elements of an XML element, with typed getters for
// attributes and character content.
#pragma once

#include "norv/base/core/NarrowString.h"

struct ezxml;

namespace Norv {

class XmlIt {
public:
    XmlIt() = default;
    XmlIt(ezxml* element) : element(element) {}
    // The first child named `name` (any child when null); the name is kept by
    // pointer and must outlive the cursor, which visits only that name.
    XmlIt(ezxml* parent, char const* name);
    XmlIt(XmlIt const& parent, char const* name);

    // The next child of the same parent (of the same name with a filter).
    XmlIt& operator++();

    explicit operator bool() const { return element != nullptr; }
    ezxml* GetElement() const { return element; }
    // The element's name, or null at the end.
    char const* GetName() const;

    // The value text, or null without element or attribute. Defaults
    // declared in the document's DTD count as attributes.
    char const* GetAttribute(char const* name) const;
    bool HasAttribute(char const* name, bool allowEmpty) const;
    // The character content ("" when none), or null at the end.
    char const* GetContent() const;

    // Typed getters: false, leaving the output alone, when the element, the
    // attribute or the content is missing or does not convert.
    bool GetAttribute(char const* name, bool& value) const;  // yes/1/true, no/0/false
    bool GetAttribute(char const* name, float& value) const; // non-numbers read as 0
    bool GetAttribute(char const* name, int& value) const;   // decimal, 0x hex, 0 octal
    bool GetAttribute(char const* name, unsigned int& value) const;
    bool GetAttribute(char const* name, short& value) const;
    bool GetAttribute(char const* name, unsigned short& value) const;
    bool GetAttribute(char const* name, NarrowString& value) const;
    bool GetAttribute(char const* name, WideString& value) const;

    bool GetContent(bool& value) const; // exactly "true" or "false"
    bool GetContent(float& value) const; // [spaces][sign]digits[.digits]
    // Three comma-separated floats; on false the leading outputs may be written.
    bool GetContent(float& x, float& y, float& z) const;
    bool GetContent(int& value) const;
    bool GetContent(short& value) const;
    bool GetContent(NarrowString& value) const;
    bool GetContent(WideString& value) const;

private:
    char const* name = nullptr;
    ezxml* element = nullptr;
};

} // namespace Norv
