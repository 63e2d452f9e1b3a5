// The game started among files it did not make, as a careless user or an
// attacker leaves them: scripts and links planted in the user's folder,
// FIFOs in place of its files, a script that never stops, and a damaged
// screens' archive in Resources.
#include "tests/harness/ExternalTool.h"
#include "tests/qrvl/main/GameWindowFixture.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace GameWindow {
namespace {

using NorvTest::OutputPath;

namespace fs = std::filesystem;

// The files the game keeps in its folder.
constexpr char const* kUserFiles[] = {"registry.xml", "options.dat",    "highscore.sav",
                                      "quorvel.sav",  "quorvelpnp.sav", "quorvelparty.sav"};
// A SIGTERM ends the game this soon, even while a script loops.
constexpr double kEndSeconds = 2.0;
// A start whose screens' archive is damaged ends this soon, with status 1.
constexpr double kFailedStartSeconds = 10.0;

std::string ReadFile(fs::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t LittleEndian32(std::string const& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// Where a container's first compressed block ends: its header is the data's
// start, the block size, the table's size and five bytes of coder
// properties, then the table of block ends from the data's start (the top
// bit marks an LZMA-coded block).
size_t FirstBlockEnd(std::string const& container)
{
    constexpr size_t kTableStart = 17;
    constexpr uint32_t kEndMask = 0x7FFFFFFFu;
    return LittleEndian32(container, 0) + (LittleEndian32(container, kTableStart) & kEndMask);
}

bool IsFifo(fs::path const& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

class UntrustedFilesWindowTest : public GameWindowFixture {
protected:
    fs::path UserFolder() const { return dataHome / "Quorvel"; }

    // A Resources folder of links to the built one's files, but for `without`.
    fs::path LinkedResources(char const* name, char const* without)
    {
        fs::path const folder = OutputPath(name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (fs::directory_entry const& entry : fs::directory_iterator(BuiltResources()))
            if (entry.path().filename() != without)
                fs::create_symlink(entry.path(), folder / entry.path().filename());
        return folder;
    }

    // The program from the Resources folder given, with the test's user folder.
    bool StartFrom(NorvTest::ChildProcess& process, fs::path const& resources)
    {
        return process.Start(
            {NorvTest::ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
            {{"SDL_AUDIODRIVER", "dummy"},
             {"XDG_DATA_HOME", dataHome.c_str()},
             {"QUORVEL_RESOURCES", resources.c_str()}});
    }
};

TEST_F(UntrustedFilesWindowTest, TheUserFolderServesOnlyTheGamesOwnFilesAndItsWritesMakeNewFiles)
{
    // A main menu script that shows nothing, as source and precompiled.
    fs::create_directories(UserFolder() / "menu");
    std::ofstream(UserFolder() / "menu" / "mainMenu.lua") << "-- planted: a menu without buttons\n";
    ASSERT_EQ(NorvTest::RunTool({"luac5.1", "-o", (UserFolder() / "menu" / "mainMenu.luac").string(),
                                 (UserFolder() / "menu" / "mainMenu.lua").string()}),
              0);
    // Every file the game writes has its temporary planted as a link to a
    // file outside the folder.
    fs::path const outside = dataHome / "outside";
    fs::create_directories(outside);
    for (char const* file : kUserFiles) {
        std::ofstream(outside / file) << "not the game's";
        fs::create_symlink(outside / file, UserFolder() / (std::string(file) + ".tmp"));
    }

    StartToMainMenu();
    Quit();

    for (char const* file : kUserFiles) {
        EXPECT_EQ(ReadFile(outside / file), "not the game's") << file;
        EXPECT_FALSE(fs::is_symlink(UserFolder() / file)) << file;
        EXPECT_TRUE(fs::is_regular_file(UserFolder() / file)) << file;
    }
    EXPECT_NE(ReadFile(UserFolder() / "registry.xml").find("/qrvl/settings"), std::string::npos);
}

TEST_F(UntrustedFilesWindowTest, AFifoInPlaceOfEachUserFileDoesNotHangTheStart)
{
    fs::create_directories(UserFolder());
    for (char const* file : kUserFiles)
        ASSERT_EQ(mkfifo((UserFolder() / file).c_str(), 0644), 0) << file;

    StartToMainMenu();
    Quit();

    for (char const* file : kUserFiles)
        EXPECT_TRUE(IsFifo(UserFolder() / file)) << file;
    EXPECT_NE(game.Output().find("is not a regular file"), std::string::npos) << game.Output();
}

TEST_F(UntrustedFilesWindowTest, ARunawayScriptEndsOnSigterm)
{
    // A splash script that says it has started, through the message of a
    // missing file, and then loops for good.
    fs::path const resources = LinkedResources("quorvel-resources-runaway", "menu");
    fs::create_directories(resources / "menu");
    std::ofstream(resources / "menu" / "splashOld.lua") << "require('menu/loop-starts-now.lua')\nwhile true do end\n";

    ASSERT_TRUE(StartFrom(game, resources));
    ASSERT_TRUE(
        NorvTest::WaitUntil([&] { return game.Output().find("loop-starts-now") != std::string::npos; }, kWaitSeconds))
        << game.Output();
    ASSERT_EQ(kill(game.Pid(), SIGTERM), 0);
    EXPECT_EQ(game.WaitForExit(kEndSeconds), 0) << game.Output();
}

TEST_F(UntrustedFilesWindowTest, ADamagedScreensArchiveEndsTheStartNamingIt)
{
    fs::path const built = BuiltResources() / "res.pak";
    std::string const archive = ReadFile(built);
    ASSERT_GT(archive.size(), 1000u);
    // Every block but the first, which holds the directory, flipped: the
    // archive mounts, and what the start reads from it does not decode.
    std::string flipped = archive;
    for (size_t at = FirstBlockEnd(archive); at < flipped.size(); ++at)
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5a);
    struct Case {
        char const* what;
        bool present;
        std::string bytes;
    } const cases[] = {
        {"missing", false, ""},
        {"empty", true, ""},
        {"truncated", true, archive.substr(0, archive.size() / 2)},
        {"damaged", true, flipped},
    };
    for (Case const& c : cases) {
        fs::path const resources = LinkedResources(("quorvel-resources-" + std::string(c.what)).c_str(), "res.pak");
        if (c.present)
            std::ofstream(resources / "res.pak", std::ios::binary) << c.bytes;
        NorvTest::ChildProcess run;
        ASSERT_TRUE(StartFrom(run, resources));
        EXPECT_EQ(run.WaitForExit(kFailedStartSeconds), 1) << c.what << "\n" << run.Output();
        std::string const said = "the game's file \"" + (resources / "res.pak").string() + "\" is missing or damaged";
        EXPECT_NE(run.Output().find(said), std::string::npos) << c.what << "\n" << run.Output();
    }

    // A Resources folder with nothing in it says the same.
    fs::path const empty = OutputPath("quorvel-resources-empty-folder");
    fs::remove_all(empty);
    fs::create_directories(empty);
    NorvTest::ChildProcess run;
    ASSERT_TRUE(StartFrom(run, empty));
    EXPECT_EQ(run.WaitForExit(kFailedStartSeconds), 1) << run.Output();
    EXPECT_NE(run.Output().find("res.pak\" is missing or damaged"), std::string::npos) << run.Output();
}

TEST_F(UntrustedFilesWindowTest, ADamagedBoardModelBringsBackTheMenuWithAMessage)
{
    // The board's archive again, with its model cut in half.
    fs::path const unpacked = OutputPath("quorvel-board-unpacked");
    fs::remove_all(unpacked);
    Norv::Vfs::Initialize();
    Norv::PakMount* board = Norv::MountPak((BuiltResources() / "board.pak").c_str(), "", 0);
    ASSERT_NE(board, nullptr);
    for (std::string const& name : board->GetEntryNames()) {
        Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name.c_str()));
        ASSERT_TRUE(file) << name;
        std::string bytes(static_cast<size_t>(file->GetLength()), '\0');
        ASSERT_EQ(file->Read(bytes.data(), static_cast<int>(bytes.size())), static_cast<int>(bytes.size())) << name;
        if (name == "board.pod")
            bytes.resize(bytes.size() / 2);
        fs::create_directories((unpacked / name).parent_path());
        std::ofstream(unpacked / name, std::ios::binary) << bytes;
    }
    Norv::Vfs::Shutdown();
    fs::path const resources = LinkedResources("quorvel-resources-damaged-board", "board.pak");
    ASSERT_EQ(
        NorvTest::RunTool({NorvTest::ProgramPath("norvpak"), unpacked.string(), (resources / "board.pak").string()}),
        0);

    StartToMainMenu(resources.c_str());
    ASSERT_TRUE(window.Click(kButtonX, kNewGameY));
    ASSERT_TRUE(WaitForShot("quorvel-game-damaged-board.png", PanelShown, kHudSeconds)) << game.Output();
    EXPECT_NE(game.Output().find("Model cannot be read: board.pod"), std::string::npos) << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kOkKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-game-damaged-board-menu.png", [](NorvTest::Image const& shot) {
        return MainMenuShown(shot) && !PanelShown(shot);
    })) << game.Output();
    Quit();
}

} // namespace
} // namespace GameWindow
