// GUI descriptions: a screen's control tree built from a description, as
// a script's InsertFromXml does, then updated once.
#include "FuzzFolder.h"
#include "guif/Control.h"
#include "guif/Screen.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/base/AssetDict.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzFolder::Path();
    Norv::g_registry = new Norv::Registry;
    Norv::g_textDict = new Norv::TextDict;
    Norv::g_assetDict = new Norv::AssetDict;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.xml", data, size);
    Norv::SmartPtr<Guif::Screen> screen(new Guif::Screen(0, nullptr));
    screen->GetRoot()->GetItem()->InsertFromXml("input.xml", screen.Get());
    screen->Update(0.5f);
    return 0;
}
