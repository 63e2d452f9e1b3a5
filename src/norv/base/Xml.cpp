// Parsing documents from text and files.
#include "norv/base/Xml.h"

#include "contrib/ezxml/ezxml.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

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

Xml* Xml::LoadFromFile(char const* path)
{
    SmartPtr<File> file(OpenFile(path));
    return file ? LoadFromFile(file.Get()) : nullptr;
}

Xml* Xml::LoadFromFile(SeekableStream* stream)
{
    int const length = stream ? stream->GetLength() : -1;
    if (length < 0)
        return nullptr;
    char* buffer = new char[static_cast<size_t>(length)];
    // A stream may deliver less than it promised; only what came is parsed.
    int const read = stream->Read(buffer, length);
    return Parse(buffer, read > 0 ? static_cast<size_t>(read) : 0);
}

Xml::~Xml()
{
    ezxml_free(tree);
    delete[] data;
}

} // namespace Norv
