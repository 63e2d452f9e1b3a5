// Player journals as saved games and the high-score table hold them: read,
// then every entry's title and description filled from the game's texts.
#include "FuzzFolder.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/text/CLocalise.h"

#include <fstream>
#include <iterator>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::ifstream in(QUORVEL_SOURCE_DIR "/data/texts/english.xml", std::ios::binary);
    std::string const texts((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FuzzFolder::Write("english.xml", reinterpret_cast<uint8_t const*>(texts.data()), texts.size());
    Norv::g_registry = new Norv::Registry;
    Norv::g_textDict = new Norv::TextDict;
    Norv::g_textDict->LoadStrings("english.xml");
    CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
    CJournal::InitJournalData();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FGData bytes;
    if (!bytes.duplicate(data, static_cast<int>(size)))
        return 0;
    FGDataReader reader;
    reader.init(&bytes);
    CJournal journal("Robin", 1, 2);
    if (journal.Load(&reader))
        for (int i = 0; i < journal.getEntryCount(); ++i) {
            journal.GetEntryTitle(i);
            journal.GetEntryDescription(i);
        }
    reader.releaseData();
    return 0;
}
