// Parsing documents from text and files.
#include "norv/base/Xml.h"

#include "contrib/ezxml/ezxml.h"

#include <cstring>

namespace Norv {

Xml* Xml::Create(NarrowString const& text)
{
    if (text.empty())
        return new Xml(nullptr, nullptr);
    char* buffer = new char[text.size()];
    std::memcpy(buffer, text.data(), text.size());
    return Parse(buffer, text.size());
}

Xml* Xml::Create(char* buffer, int length)
{
    return Parse(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

Xml* Xml::Parse(char* buffer, size_t length)
{
    ezxml* tree = ezxml_parse_str(buffer, length);
    Xml* document = new Xml(tree, buffer);
    if (*ezxml_error(tree)) {
        delete document;
        return nullptr;
    }
    return document;
}

Xml::~Xml()
{
    ezxml_free(tree);
    delete[] data;
}

} // namespace Norv
