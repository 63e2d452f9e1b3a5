// The text dictionary: a language file loaded, then every text looked up
// and its placeholders filled as the game's screens do.
#include "FuzzFolder.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    if (!Norv::g_registry)
        Norv::g_registry = new Norv::Registry;
    FuzzFolder::Write("language.xml", data, size);
    Norv::TextDict dict;
    if (!dict.LoadStrings("language.xml"))
        return 0;
    for (auto const& text : dict.GetTexts()) {
        Norv::WideString filled = dict.GetText(text.first);
        dict.ReplaceVar(filled, "name", L"Robin");
    }
    return 0;
}
