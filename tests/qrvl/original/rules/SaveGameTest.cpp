// The saved-game container on real files, and a game saved and continued.
#include "RulesFixture.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/SaveGame.h"

#include "norv/base/core/CRC32.h"
#include "norv/vfs/Vfs.h"
#include "tests/support/Environment.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A user data folder of its own for each test: the game's folder "Quorvel/"
// inside a temporary data home, mounted over the board's folder as the
// game mounts the user's folder.
struct SaveFolder {
    SaveFolder() { environment.Set("XDG_DATA_HOME", home.path); }
    void mount() const
    {
        Norv::MountNative(Norv::PosixPath("Quorvel/"), "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
    }
    std::string bytes(const char* name) const
    {
        std::ifstream in(path + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void write(const char* name, const std::string& content) const
    {
        mkdir(path.c_str(), 0700);
        std::ofstream(path + name, std::ios::binary) << content;
    }
    TempFolder home;
    NorvTest::Environment environment;
    std::string const path = home / "Quorvel/";
};

void saveGame(RulesFixture& game, SaveGame& save)
{
    game.save(save.getDataWriter());
    save.flushToDisk();
}

} // namespace

TEST(SaveGameFile, OneSavedGameAtATimeWithItsTrailer)
{
    TestEngine engine;
    SaveFolder folder;
    folder.mount();
    SaveGame pnp;
    pnp.init(SaveGame::kPassAndPlay);
    pnp.getDataWriter()->writeInt(77);
    pnp.flushToDisk();
    EXPECT_TRUE(SaveGame::Exists("quorvelpnp.sav"));
    EXPECT_TRUE(SaveGame::ExistsAny());

    SaveGame single;
    single.init(SaveGame::kSingle);
    single.getDataWriter()->writeInt(42);
    single.flushToDisk();
    EXPECT_FALSE(SaveGame::Exists("quorvelpnp.sav"));
    EXPECT_EQ("", folder.bytes("quorvelpnp.sav"));
    std::string file = folder.bytes("quorvel.sav");
    ASSERT_EQ(12u, file.size());
    EXPECT_EQ(std::string("\0\0\0\5\0\0\0\x2a", 8), file.substr(0, 8));
    uint32_t crc = Norv::CRC32::WholeBlock(file.data(), 8);
    EXPECT_EQ(crc, static_cast<uint32_t>(static_cast<unsigned char>(file[8]) | static_cast<unsigned char>(file[9]) << 8
                                         | static_cast<unsigned char>(file[10]) << 16 | static_cast<uint32_t>(static_cast<unsigned char>(file[11])) << 24));

    single.readFromDisk();
    FGDataReader* reader = single.getDataReader();
    ASSERT_NE(nullptr, reader);
    EXPECT_EQ(42, reader->readInt());

    SaveGame::DeleteAll();
    EXPECT_FALSE(SaveGame::ExistsAny());
}

TEST(SaveGameFile, UnreadableSavesGiveNoReader)
{
    TestEngine engine;
    SaveFolder folder;
    folder.mount();
    struct Case {
        const char* what;
        std::string content;
    };
    const Case cases[] = {
        {"another version", std::string("\0\0\0\4\0\0\0\1", 8)},
        {"shorter than a version", std::string("\0\0", 2)},
        {"emptied", ""},
    };
    for (const Case& c : cases) {
        folder.write("quorvel.sav", c.content);
        SaveGame save;
        save.init(SaveGame::kSingle);
        save.readFromDisk();
        EXPECT_EQ(nullptr, save.getDataReader()) << c.what;
    }
    std::remove((folder.path + "quorvel.sav").c_str());
    SaveGame missing;
    missing.init(SaveGame::kSingle);
    missing.readFromDisk();
    EXPECT_EQ(nullptr, missing.getDataReader());

    // A writer with nothing in it leaves the files alone.
    folder.write("quorvelparty.sav", "keep");
    SaveGame nothing;
    nothing.init(SaveGame::kParty);
    nothing.flushToDisk();
    EXPECT_EQ("keep", folder.bytes("quorvelparty.sav"));
}

TEST(SaveGameFile, AGameSavedMidwayContinuesToTheEnd)
{
    SaveFolder folder;
    std::vector<int> cash;
    {
        RulesFixture game(3, 99);
        folder.mount();
        game.playToEnd(12); // the starts and a few turns
        SaveGame save;
        save.init(SaveGame::kSingle);
        saveGame(game, save);
        for (int i = 0; i < game.count; ++i)
            cash.push_back(game.players[i].getCash());
    }
    RulesFixture game(3, 5);
    folder.mount();
    SaveGame save;
    save.init(SaveGame::kSingle);
    save.readFromDisk();
    FGDataReader* reader = save.getDataReader();
    ASSERT_NE(nullptr, reader);
    ASSERT_TRUE(game.load(reader));
    for (int i = 0; i < game.count; ++i) {
        EXPECT_EQ(cash[i], game.players[i].getCash());
        EXPECT_TRUE(game.cars[i].isPlaced());
    }
    game.playTurns(2000);
    for (int i = 0; i < game.count; ++i)
        EXPECT_TRUE(game.players[i].isRetired());
}
