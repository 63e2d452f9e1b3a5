// The particle check: every emitter that the board, the journal and the
// code load is in the built data and parses; each uses only the elements and
// attributes the emitter reads (a misspelt one is silently ignored and the
// emitter never emits), actually emits, and draws sprites that are mipmapped
// RGBA textures in the data.
#include "contrib/ezxml/ezxml.h"
#include "contrib/pvr/PVRTTexture.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"
#include "norv/vfs/File.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/journal/CJournalEvent.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The board's emitters: the spinner's, the ambient ones, the scenery's touch
// bursts, the ground's footprints and taps, and the pegs' bursts.
char const* const kBoardEmitters[] = {
    "smoke",   "rocks",     "snow",       "leaf1",  "chimneySmoke", "carSmoke", "confetti", "coins", "footprint1",
    "footprint2", "footprint3", "grassT", "waterT", "sandT",        "snowT",    "pegPinkParticles", "pegBlueParticles",
};

// Each element the emitter reads, with its attributes.
std::map<std::string, std::set<std::string>> const kElements = {
    {"texture", {"name"}},
    {"posbbox", {"minx", "miny", "minz", "maxx", "maxy", "maxz"}},
    {"posbboxSP", {"minx", "miny", "maxx", "maxy"}},
    {"velbbox", {"minx", "miny", "minz", "maxx", "maxy", "maxz"}},
    {"velbboxSP", {"minx", "miny", "maxx", "maxy"}},
    {"vely", {"min", "max"}},
    {"velxz", {"min", "max"}},
    {"spinrange", {"min", "max"}},
    {"rotationrange", {"min", "max"}},
    {"life", {"val"}},
    {"liferange", {"min", "max"}},
    {"sizerange", {"min", "max"}},
    {"sizerangeScaled", {"min", "max"}},
    {"sizechangerange", {"min", "max"}},
    {"sizechangerangeScaled", {"min", "max"}},
    {"emittime", {"min", "max"}},
    {"maxparticles", {"val"}},
    {"radius", {"val"}},
    {"radiusSP", {"val"}},
    {"accy", {"val"}},
    {"accySP", {"val"}},
    {"atlas", {"x", "y"}},
    {"transparent", {"val"}},
    {"fadeoverlife", {"val"}},
    {"cutoff", {"y"}},
};

// Emitter name -> who loads it.
std::map<std::string, std::string> UsedEmitters()
{
    std::map<std::string, std::string> used;
    std::regex const file(R"re("particles/([A-Za-z0-9_]+)\.xml")re");
    fs::path const root = QUORVEL_SOURCE_ROOT;
    for (auto const& entry : fs::recursive_directory_iterator(root / "src")) {
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; entry.is_regular_file() && std::getline(in, line); ++number)
            for (std::sregex_iterator it(line.begin(), line.end(), file), end; it != end; ++it)
                used.emplace((*it)[1], fs::relative(entry.path(), root).string() + ":" + std::to_string(number));
    }
    CJournal::InitJournalData();
    CJournal journal("", 0, 0);
    journal.AddAllEntries();
    for (int i = 0; i < journal.getEntryCount(); ++i)
        if (CJournalEvent const* event = journal.GetEntryEvent(i))
            for (std::string const& particle : event->particles)
                used.emplace(particle, "the journal's events");
    for (char const* emitter : kBoardEmitters)
        used.emplace(emitter, "the board");
    return used;
}

std::vector<unsigned char> ReadWhole(std::string const& name)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name.c_str()));
    std::vector<unsigned char> bytes;
    if (!file)
        return bytes;
    bytes.resize(static_cast<size_t>(file->GetLength()));
    if (file->Read(bytes.data(), static_cast<int>(bytes.size())) != static_cast<int>(bytes.size()))
        bytes.clear();
    return bytes;
}

// Why a sprite is not a texture the emitters can draw, or "" when it is.
std::string SpriteFault(std::string const& name)
{
    std::vector<unsigned char> const bytes = ReadWhole("particles/" + name);
    if (bytes.size() < sizeof(PVR_Texture_Header))
        return "missing or shorter than a header";
    PVR_Texture_Header header;
    std::memcpy(&header, bytes.data(), sizeof(header));
    if (header.magic != PVRTEX_IDENTIFIER || header.headerSize != PVRTEX_HEADER_SIZE)
        return "not a PVR texture";
    if ((header.pixelFormatFlags & PVRTEX_PIXELTYPE) != OGL_RGBA_8888 || !(header.pixelFormatFlags & PVRTEX_MIPMAP))
        return "not mipmapped RGBA";
    bool const square = header.width == header.height && header.width && !(header.width & (header.width - 1));
    if (!square || header.width > 256)
        return "not a small power-of-two square";
    if (bytes.size() != sizeof(header) + header.dataSize)
        return "its size disagrees with its header";
    return "";
}

class ParticleFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/original.pak", "", 0));
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }
};

TEST_F(ParticleFilesTest, EveryEmitterTheGameLoadsParsesEmitsAndHasItsSprites)
{
    auto const used = UsedEmitters();
    ASSERT_TRUE(used.count("jp_heart") && used.count("snow")) << "the scan found too little to be trusted";
    for (auto const& [name, where] : used) {
        std::string const file = "particles/" + name + ".xml";
        Norv::SmartPtr<Norv::Xml> xml(Norv::Xml::LoadFromFile(file.c_str()));
        ASSERT_TRUE(xml) << file << " (loaded by " << where << ") is missing or does not parse";
        EXPECT_STREQ(Norv::XmlIt(xml->GetTree()).GetName(), "particles") << file;
        int textures = 0;
        unsigned maxParticles = 0;
        float life = 0;
        for (Norv::XmlIt element(xml->GetTree(), nullptr); element; ++element) {
            auto const known = kElements.find(element.GetName());
            if (known == kElements.end()) {
                ADD_FAILURE() << file << ": the emitter reads no element " << element.GetName();
                continue;
            }
            for (char** attribute = element.GetElement()->attr; attribute && *attribute; attribute += 2)
                EXPECT_TRUE(known->second.count(*attribute)) << file << ": " << element.GetName() << " has no " << *attribute;
            if (known->first == "texture") {
                ++textures;
                std::string const fault = SpriteFault(element.GetAttribute("name"));
                EXPECT_EQ(fault, "") << file << ": sprite " << element.GetAttribute("name");
            }
            if (known->first == "maxparticles")
                element.GetAttribute("val", maxParticles);
            if (known->first == "life")
                element.GetAttribute("val", life);
        }
        EXPECT_GT(textures, 0) << file << " draws nothing";
        EXPECT_GT(maxParticles, 0u) << file << " never emits";
        EXPECT_NE(life, 0.0f) << file << " never emits";
    }
}

TEST_F(ParticleFilesTest, EveryEmitterWrittenIsOneTheGameLoads)
{
    auto const used = UsedEmitters();
    for (auto const& entry : fs::directory_iterator(fs::path(QUORVEL_SOURCE_ROOT) / "data" / "particles")) {
        if (entry.path().extension() == ".xml") {
            EXPECT_TRUE(used.count(entry.path().stem().string())) << entry.path() << " is never loaded";
        }
    }
}

} // namespace
