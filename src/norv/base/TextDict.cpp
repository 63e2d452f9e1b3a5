// Loading text files, looking texts up and filling in placeholders.
#include "norv/base/TextDict.h"

#include "norv/base/Registry.h"
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"

#include <cstdio>

namespace Norv {

SmartPtr<TextDict> g_textDict;

bool TextDict::LoadStrings(NarrowString const& fileName)
{
    SmartPtr<Xml> document = Xml::LoadFromFile(fileName.c_str());
    if (!document) {
        std::fprintf(stderr, "TextDict: cannot read \"%s\"; the texts stay as they were\n", fileName.c_str());
        return false;
    }
    Fill(*document);
    return true;
}

void TextDict::Fill(Xml const& document)
{
    XmlIt const root(document.GetTree());
    texts.clear();
    NarrowString language;
    root.GetAttribute("langID", language);
    for (XmlIt entry(root, "string"); entry; ++entry) {
        NarrowString id, text;
        if (entry.GetAttribute("id", id) && entry.GetContent(text))
            texts.emplace(id, WideString(text)); // the first entry of an id wins
    }
    if (g_registry)
        g_registry->Set(kLanguageKey, language);
}

WideString TextDict::GetText(NarrowString const& id) const
{
    auto found = texts.find(id);
    return found != texts.end() ? found->second : WideString(id);
}

int TextDict::ReplaceVar(WideString& text, NarrowString const& name, WideString const& value) const
{
    WideString const placeholder(NarrowString("$(" + name + ")"));
    int count = 0;
    // Searching on behind the inserted value ends even when the value holds
    // the placeholder itself.
    for (size_t at = text.find(placeholder); at != WideString::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
        ++count;
    }
    return count;
}

} // namespace Norv
