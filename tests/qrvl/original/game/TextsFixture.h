// A folder mounted as the root of the virtual file system with a few texts
// of the game loaded as the text dictionary; ids without a text stand for
// themselves.
#pragma once

#include "tests/support/TempFolder.h"

#include "norv/base/TextDict.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/text/CLocalise.h"

class TextsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("texts/english.xml",
                     "<texts langID='en'>"
                     "<string id='S_CURRENCY'>$\\0</string>"
                     "<string id='S_1000_SEP'>,</string>"
                     "<string id='S_JOURNAL_QUORVEL'>Welcome, %s!</string>"
                     "<string id='S_JNL_DESC_EARNINGS'>%s retired with %s.</string>"
                     "<string id='S_JNL_DESC_CAREER_START'>%s became a %s.</string>"
                     "<string id='S_JNL_DESC_COLLEGE'>%s went to college with %d friends, %s.</string>"
                     "<string id='S_JNL_DOCTOR'>doctor</string>"
                     "<string id='S_YOU_USED'>\\0 made you pay \\1</string>"
                     "<string id='S_RETIRED_AT'>retired to \\0</string>"
                     "<string id='S_PL_CARD'>\\0 plays a card (\\1) on you.</string>"
                     "<string id='S_PAY'>pay</string>"
                     "<string id='S_COUNT'>Country Estate</string>"
                     "<string id='S_PLYR_BOB'>Bob</string>"
                     "<string id='S_PLYR_RACHEL'>Rachel</string>"
                     "<string id='S_PLYR_FEMALE03'>Charlotte</string>"
                     "</texts>");
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
        Norv::g_textDict = new Norv::TextDict;
        ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
        CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
        CJournal::InitJournalData();
    }
    void TearDown() override
    {
        Norv::g_textDict.Release();
        Norv::Vfs::Shutdown();
    }

    TempFolder folder;
};
