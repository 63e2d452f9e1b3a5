// The options file: written with its checksum trailer, read back by the next
// start, and the defaults of a first start or a damaged file.
#include "tests/qrvl/support/FrameworkFixtures.h"
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include "norv/base/core/CRC32.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/phone/text/CLocalise.h"

#include <gtest/gtest.h>

namespace {

using FrameworkTest::ManualClock;

class OptionsFileTest : public MountedFolderTest {
protected:
    // A new engine as a start of the game makes it.
    std::unique_ptr<QuorvelEngine> Start()
    {
        std::unique_ptr<QuorvelEngine> engine(new QuorvelEngine);
        engine->setCriticals(nullptr, nullptr);
        engine->entEvent(FGEngine::EventStart, 0, 0);
        return engine;
    }

    ManualClock clock;
};

TEST_F(OptionsFileTest, AStartWithoutOptionsIsTheFirstRunWithDefaults)
{
    std::unique_ptr<QuorvelEngine> engine = Start();
    EXPECT_TRUE(engine->isFirstRun());
    EXPECT_EQ(engine->getLanguage(), 0);
    EXPECT_TRUE(engine->getSoundManager().isSoundOn());
    EXPECT_TRUE(engine->getSoundManager().isVibrateOn());
    engine->setVolumeFromOptions();
    EXPECT_FLOAT_EQ(engine->getMusicLevel(), 0.5f);
    EXPECT_FLOAT_EQ(engine->getEffectsLevel(), 0.5f);
}

TEST_F(OptionsFileTest, WrittenOptionsCarryTheirTrailerAndComeBackAtTheNextStart)
{
    {
        std::unique_ptr<QuorvelEngine> engine = Start();
        engine->setLanguage(CLocalise::kFrench);
        engine->getSoundManager().setSoundOn(true);
        engine->getSoundManager().setVibrateOn(false);
        engine->setSaveOptionsOnExit(true);
    }
    std::string const body = std::string("\x02\x01\0\0\0\0\0\0\0", 9) + "1.0.2.123456" + std::string(1, '\0');
    uint32_t const crc = Norv::CRC32::WholeBlock(reinterpret_cast<unsigned char const*>(body.data()),
                                                 static_cast<unsigned int>(body.size()));
    std::string trailer;
    for (int shift = 0; shift < 32; shift += 8)
        trailer += static_cast<char>(crc >> shift);
    EXPECT_EQ(folder.Read("options.dat"), body + trailer);

    CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
    std::unique_ptr<QuorvelEngine> engine = Start();
    EXPECT_TRUE(engine->getFileSystem().CheckFileIntegrity(QuorvelEngine::kOptionsFile));
    EXPECT_FALSE(engine->isFirstRun());
    EXPECT_EQ(engine->getLanguage(), CLocalise::kFrench);
    EXPECT_EQ(CLocalise::GetLocalise()->GetLanguage(), CLocalise::kFrench);
    EXPECT_FALSE(engine->getSoundManager().isSoundOn()); // the splash switches it on
    EXPECT_FALSE(engine->getSoundManager().isVibrateOn());
}

TEST_F(OptionsFileTest, DamagedOrShortOptionsGiveTheDefaults)
{
    {
        std::unique_ptr<QuorvelEngine> engine = Start();
        engine->setLanguage(CLocalise::kGerman);
        ASSERT_TRUE(engine->writeOptions());
    }
    std::string damaged = folder.Read("options.dat");
    damaged[0] = '\x03';
    folder.Write("options.dat", damaged);
    std::unique_ptr<QuorvelEngine> engine = Start();
    EXPECT_FALSE(engine->getFileSystem().CheckFileIntegrity(QuorvelEngine::kOptionsFile));
    EXPECT_EQ(folder.Read("options.dat"), "");
    engine = Start();
    EXPECT_TRUE(engine->isFirstRun());
    EXPECT_EQ(engine->getLanguage(), 0);

    folder.Write("options.dat", std::string("\x04\x01\x01\x01\0", 5));
    engine = Start();
    EXPECT_TRUE(engine->isFirstRun());
    EXPECT_EQ(engine->getLanguage(), 0);
    EXPECT_TRUE(engine->getSoundManager().isVibrateOn());
}

TEST_F(OptionsFileTest, ALanguageTheGameLacksLoadsAndSavesAsTheFirst)
{
    for (int language : {6, 255}) {
        {
            std::unique_ptr<QuorvelEngine> engine = Start();
            engine->setLanguage(CLocalise::kGerman);
            ASSERT_TRUE(engine->writeOptions());
        }
        std::string options = folder.Read("options.dat");
        options[0] = static_cast<char>(language);
        FGData body;
        body.duplicate(reinterpret_cast<unsigned char const*>(options.data()), static_cast<int>(options.size()) - 4);
        std::unique_ptr<QuorvelEngine> engine = Start();
        ASSERT_TRUE(engine->getFileSystem().putFile(QuorvelEngine::kOptionsFile, &body));
        engine = Start();
        EXPECT_EQ(engine->getLanguage(), 0) << language;
        engine->setLanguage(language);
        ASSERT_TRUE(engine->writeOptions());
        EXPECT_EQ(folder.Read("options.dat")[0], '\0') << language;
    }
}

} // namespace
