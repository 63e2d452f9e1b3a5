// The localised texts of the current language, by text id.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

#include <map>

namespace Norv {

class Xml;

class TextDict : public RefCounter, public WeakRefCounter {
public:
    // The registry key that holds the language id of the texts loaded last.
    static constexpr char const* kLanguageKey = "/textDict/language";

    TextDict() = default;

    // Replaces the texts by those of a text file ("texts/french.xml") and
    // publishes its language on kLanguageKey. A missing or malformed file
    // keeps the texts and the language loaded before.
    bool LoadStrings(NarrowString const& fileName);

    // The text of an id; the id itself when there is none.
    WideString GetText(NarrowString const& id) const;

    // Replaces every "$(name)" in text by value; returns how many.
    int ReplaceVar(WideString& text, NarrowString const& name, WideString const& value) const;

    // Every text by id, for listings.
    std::map<NarrowString, WideString> const& GetTexts() const { return texts; }

private:
    void Fill(Xml const& document);

    std::map<NarrowString, WideString> texts;
};

// The application's text dictionary, made at start-up.
extern SmartPtr<TextDict> g_textDict;

} // namespace Norv
