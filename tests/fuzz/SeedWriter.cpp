// Writes the seed inputs of the fuzz harnesses whose formats the game's own
// writers make: seeds/<reader>/<name> under the folder given. Run by the
// build, so the seeds follow the writers.
#include "FuzzFolder.h"
#include "GameStart.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPOD.h"
#include "contrib/pvr/PVRTTexture.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"

#include <lzma.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::string seedRoot;

void Put(char const* reader, char const* name, std::string const& bytes)
{
    std::string const folder = seedRoot + "/" + reader;
    mkdir(seedRoot.c_str(), 0755);
    mkdir(folder.c_str(), 0755);
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << bytes;
    if (!out) {
        std::fprintf(stderr, "cannot write the seed %s/%s\n", reader, name);
        std::exit(1);
    }
}

std::string ReadFile(std::string const& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Bytes(FGDataWriter& writer)
{
    std::unique_ptr<FGData> const data = writer.getData();
    return std::string(reinterpret_cast<char const*>(data->getData()), static_cast<size_t>(data->getLength()));
}

// The user files' harnesses take a first byte of 1 for a file as it stands.
std::string AsStored(std::string const& file)
{
    return "\x01" + file;
}

void WriteRegistry()
{
    Norv::Registry registry;
    registry.Set("/qrvl/settings/Language", "en-GB");
    registry.Set("/qrvl/settings/MusicVolume", 65);
    registry.Set("/qrvl/settings/Mix", 0.5f);
    registry.Set("/qrvl/settings/flags/Fullscreen", true);
    registry.Set("/qrvl/settings/Escaped", "a<b & \"c\"");
    Put("registry", "registry.xml", registry.Save("/qrvl/settings").c_str());
}

// A scene with a textured, lit mesh moving over two frames, watched by a
// camera.
void WritePod()
{
    CPVRTModelPOD model;
    model.nNumFrame = 2;
    model.nFPS = 30;

    model.nNumMesh = 1;
    model.pMesh = static_cast<SPODMesh*>(calloc(1, sizeof(SPODMesh)));
    SPODMesh& mesh = model.pMesh[0];
    mesh.nNumVertex = 3;
    mesh.nNumFaces = 1;
    PVRTMatrixIdentityF(mesh.mUnpackMatrix);
    auto stream = [](CPODData& data, EPVRTDataType type, unsigned n, std::vector<float> const& values) {
        data.eType = type;
        data.n = n;
        data.nStride = n * 4;
        data.pData = static_cast<unsigned char*>(malloc(values.size() * 4));
        std::memcpy(data.pData, values.data(), values.size() * 4);
    };
    stream(mesh.sVertex, EPODDataFloat, 3, {0, 0, 0, 1, 0, 0, 0, 1, 0});
    stream(mesh.sNormals, EPODDataFloat, 3, {0, 0, 1, 0, 0, 1, 0, 0, 1});
    mesh.nNumUVW = 1;
    mesh.psUVW = static_cast<CPODData*>(calloc(1, sizeof(CPODData)));
    stream(mesh.psUVW[0], EPODDataFloat, 2, {0, 0, 1, 0, 0, 1});
    mesh.sFaces.eType = EPODDataUnsignedShort;
    mesh.sFaces.n = 1;
    mesh.sFaces.nStride = 2;
    unsigned short const faces[] = {0, 1, 2};
    mesh.sFaces.pData = static_cast<unsigned char*>(malloc(sizeof faces));
    std::memcpy(mesh.sFaces.pData, faces, sizeof faces);

    model.nNumTexture = 1;
    model.pTexture = static_cast<SPODTexture*>(calloc(1, sizeof(SPODTexture)));
    model.pTexture[0].pszName = strdup("tile.pvr");
    model.nNumMaterial = 1;
    model.pMaterial = static_cast<SPODMaterial*>(calloc(1, sizeof(SPODMaterial)));
    SPODMaterial& material = model.pMaterial[0];
    material.pszName = strdup("tile");
    material.nIdxTexDiffuse = 0;
    for (int* index : {&material.nIdxTexAmbient, &material.nIdxTexSpecularColour, &material.nIdxTexSpecularLevel,
                       &material.nIdxTexBump, &material.nIdxTexEmissive, &material.nIdxTexGlossiness,
                       &material.nIdxTexOpacity, &material.nIdxTexReflection, &material.nIdxTexRefraction})
        *index = -1;
    material.fMatOpacity = 1;
    material.pfMatDiffuse[0] = material.pfMatDiffuse[1] = material.pfMatDiffuse[2] = 0.8f;
    material.eBlendSrcRGB = material.eBlendSrcA = ePODBlendFunc_ONE;
    material.eBlendOpRGB = material.eBlendOpA = ePODBlendOp_ADD;

    model.nNumLight = 1;
    model.pLight = static_cast<SPODLight*>(calloc(1, sizeof(SPODLight)));
    model.pLight[0].nIdxTarget = -1;
    model.pLight[0].pfColour[0] = model.pLight[0].pfColour[1] = model.pLight[0].pfColour[2] = 1;
    model.nNumCamera = 1;
    model.pCamera = static_cast<SPODCamera*>(calloc(1, sizeof(SPODCamera)));
    model.pCamera[0].nIdxTarget = 0;
    model.pCamera[0].fFOV = 0.8f;
    model.pCamera[0].fNear = 1;
    model.pCamera[0].fFar = 500;

    // Mesh node, light node, camera node: the order the reader expects.
    model.nNumMeshNode = 1;
    model.nNumNode = 3;
    model.pNode = static_cast<SPODNode*>(calloc(3, sizeof(SPODNode)));
    char const* const names[] = {"tile", "sun", "eye"};
    for (int i = 0; i < 3; ++i) {
        SPODNode& node = model.pNode[i];
        node.nIdx = 0;
        node.pszName = strdup(names[i]);
        node.nIdxMaterial = i == 0 ? 0 : -1;
        node.nIdxParent = i == 0 ? -1 : 0;
        node.pfAnimRotation = static_cast<float*>(malloc(4 * sizeof(float)));
        float const identity[] = {0, 0, 0, 1};
        std::memcpy(node.pfAnimRotation, identity, sizeof identity);
        node.pfAnimScale = static_cast<float*>(malloc(7 * sizeof(float)));
        float const scale[] = {1, 1, 1, 0, 0, 0, 0};
        std::memcpy(node.pfAnimScale, scale, sizeof scale);
        node.pfAnimPosition = static_cast<float*>(malloc(6 * sizeof(float)));
        float const positions[] = {0, 0, 0, 1, 2, 3};
        std::memcpy(node.pfAnimPosition, positions, sizeof positions);
        node.nAnimFlags = ePODHasPositionAni;
    }

    std::string const path = FuzzFolder::Path() + "scene.pod";
    if (model.InitImpl() != 0 || model.SavePOD(path.c_str()) != 0) {
        std::fprintf(stderr, "the seed scene does not save\n");
        std::exit(1);
    }
    Put("pod", "scene.pod", ReadFile(path));
}

void WritePvr(char const* name, unsigned side, unsigned pixelType, unsigned bits, bool mipMaps)
{
    unsigned const minimum = pixelType == OGL_PVRTC4 ? 8 : 1;
    PVR_Texture_Header* header = PVRTTextureCreate(side, side, minimum, minimum, bits, mipMaps);
    unsigned levels = 0;
    for (unsigned s = side; mipMaps && s > 1; s /= 2)
        ++levels;
    header->mipMapCount = levels;
    header->pixelFormatFlags = pixelType | (mipMaps ? PVRTEX_MIPMAP : 0) | (pixelType == OGL_PVRTC4 ? PVRTEX_TWIDDLE : 0);
    header->magic = PVRTEX_IDENTIFIER;
    unsigned char* pixels = reinterpret_cast<unsigned char*>(header + 1);
    for (unsigned i = 0; i < header->dataSize; ++i)
        pixels[i] = static_cast<unsigned char>(i * 37 + 11);
    std::string const bytes(reinterpret_cast<char const*>(header), sizeof(*header) + header->dataSize);
    free(header);
    Put("pvr", name, bytes);
    Put("image", name, bytes);
}

// Little-endian fields of the XM module.
void Le(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i));
}

std::string Padded(char const* text, size_t size)
{
    std::string field(text);
    field.resize(size, '\0');
    return field;
}

// A two-channel XM module: one pattern of four rows playing one looped
// instrument, the second row packed.
void WriteXm()
{
    std::string xm = "Extended Module: " + Padded("seed", 20) + "\x1A" + Padded("quorvel", 20);
    Le(xm, 0x0104, 2);
    Le(xm, 276, 4);
    for (uint32_t value : {1u, 0u, 2u, 1u, 1u, 1u, 6u, 125u})
        Le(xm, value, 2);
    xm += std::string(256, '\0'); // the order table: pattern 0
    std::string rows;
    for (int row = 0; row < 4; ++row) {
        if (row == 1) {
            rows += "\x83\x31\x01"; // packed: note and instrument
            rows += "\x80";          // packed: empty
            continue;
        }
        rows += std::string{char(49 + row), 1, 0x20, 0x0C, 0x20}; // note, instrument, volume, set-volume effect
        rows += std::string{97, 0, 0, 0, 0};                      // key off
    }
    Le(xm, 9, 4);
    xm += '\0';
    Le(xm, 4, 2);
    Le(xm, static_cast<uint32_t>(rows.size()), 2);
    xm += rows;
    std::string instrument = Padded("bell", 22) + '\0';
    Le(instrument, 1, 2);  // samples
    Le(instrument, 40, 4); // sample header size
    instrument += std::string(96, '\0');
    std::string const envelope = std::string{0, 0, 64, 0, 10, 0, 0, 0};
    instrument += envelope + std::string(40, '\0') + envelope + std::string(40, '\0');
    // Points, sustain and loop points, envelope types, vibrato, then the
    // fade-out and the reserved bytes.
    instrument += std::string{2, 2, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    Le(instrument, 256, 2);
    instrument += std::string(22, '\0');
    Le(xm, static_cast<uint32_t>(instrument.size() + 4), 4);
    xm += instrument;
    Le(xm, 16, 4); // sample length
    Le(xm, 0, 4);  // loop start
    Le(xm, 16, 4); // loop length
    xm += std::string{48, 0, 1, char(128), 0, 0};
    xm += Padded("ding", 22);
    for (int i = 0; i < 16; ++i)
        xm += static_cast<char>(i < 8 ? 16 : -16); // deltas of a square wave
    Put("xm", "bell.xm", xm);
}

void WriteLayoutAndCuts()
{
    FGDataWriter layout;
    layout.init();
    layout.writeToData("FGLYT", 5);
    for (int value : {4, 320, 240, 0x102030})
        layout.writeInt(value);
    char const* const strings[] = {"board", "0x00FF80", "space01", "snow"};
    layout.writeInt(4);
    for (char const* text : strings)
        layout.writeUTF(FGString(text));
    layout.writeInt(2);
    for (int element : {0, 1}) {
        for (int value : {element * 2, element * 2 + 1, 10 + element, 20, 0})
            layout.writeInt(value);
        layout.writeBoolean(element == 1);
        for (int value : {64, 32, element, 0})
            layout.writeInt(value);
    }
    Put("layout", "board.lyt", Bytes(layout));

    FGDataWriter cuts;
    cuts.init();
    cuts.writeInt(1);
    cuts.writeInt(2);
    int const cutFields[2][6] = {{0, 0, 16, 16, 8, 15}, {16, 0, 16, 16, 0, 0}};
    char const* const cutNames[] = {"button", "7"};
    for (int i = 0; i < 2; ++i) {
        for (int value : cutFields[i])
            cuts.writeInt(value);
        cuts.writeUTF(FGString(cutNames[i]));
    }
    cuts.writeInt(1);
    cuts.writeUTF(FGString("spin"));
    for (int value : {100, 3, 0, 1, 0})
        cuts.writeInt(value);
    Put("cuts", "sheet.cut", Bytes(cuts));
}

// An entry as the framework's pak holds it: LZMA properties, dictionary
// size, 64-bit decoded size, then the stream.
std::string LzmaEntry(std::string const& content)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.dict_size = 1 << 16;
    lzma_filter const filters[] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    std::string stream(content.size() + content.size() / 2 + 1024, '\0');
    size_t written = 0;
    uint8_t properties[5];
    if (lzma_raw_buffer_encode(filters, nullptr, reinterpret_cast<uint8_t const*>(content.data()), content.size(),
                               reinterpret_cast<uint8_t*>(&stream[0]), &written, stream.size()) != LZMA_OK ||
        lzma_properties_encode(&filters[0], properties) != LZMA_OK) {
        std::fprintf(stderr, "LZMA coding failed\n");
        std::exit(1);
    }
    stream.resize(written);
    std::string entry(reinterpret_cast<char const*>(properties), sizeof properties);
    for (int i = 0; i < 8; ++i)
        entry += static_cast<char>(static_cast<uint64_t>(content.size()) >> (8 * i));
    return entry + stream;
}

void WriteFrameworkPak()
{
    std::vector<std::pair<std::string, std::string>> const files = {
        {"hello.txt", "Hello, road!\n"}, {"numbers.bin", std::string(300, '\x07') + "end"}};
    std::vector<std::string> entries;
    int headerSize = 13; // magic, header size and count
    for (auto const& file : files) {
        entries.push_back(LzmaEntry(file.second));
        headerSize += 16 + static_cast<int>(file.first.size()); // four ints and the name
    }
    FGDataWriter pak;
    pak.init();
    pak.writeToData("FGPAK", 5);
    pak.writeInt(headerSize);
    pak.writeInt(static_cast<int>(files.size()));
    int offset = headerSize;
    for (size_t i = 0; i < files.size(); ++i) {
        pak.writeUTF(FGString(files[i].first.c_str()));
        pak.writeInt(static_cast<int>(entries[i].size()));
        pak.writeInt(static_cast<int>(files[i].second.size()));
        pak.writeInt(offset);
        offset += static_cast<int>(entries[i].size());
    }
    std::string bytes = Bytes(pak);
    for (std::string const& entry : entries)
        bytes += entry;
    Put("fgpak", "two-files.pak", bytes);
}

void WriteJournalAndHighScores()
{
    CJournal::InitJournalData();
    CJournal journal("Robin", 1, 2);
    journal.AddAllEntries();
    FGDataWriter writer;
    writer.init();
    journal.Save(&writer);
    Put("journal", "every-event", Bytes(writer));

    FGFileSystem files;
    HighScoreManager table;
    table.Init(&files);
    table.SetDefaultData();
    if (!table.Save()) {
        std::fprintf(stderr, "the high-score table does not save\n");
        std::exit(1);
    }
    Put("highscores", "default-table", AsStored(ReadFile(FuzzFolder::Path() + HighScoreManager::kFileName)));
}

// The options of a start, and a single-player game saved a few turns in.
void WriteOptionsAndSavedGame()
{
    GameStart::Prepare();
    {
        std::unique_ptr<QuorvelEngine> engine = GameStart::Start();
        engine->setSaveOptionsOnExit(true);
    }
    Put("options", "options.dat", AsStored(ReadFile(GameStart::UserFolder() + QuorvelEngine::kOptionsFile)));

    std::unique_ptr<QuorvelEngine> engine = GameStart::Start();
    engine->launchGame(false, QuorvelEngine::GameModeSingle, false);
    ModeGame* game = nullptr;
    for (int i = 0; i < 100 && !game; ++i) {
        GameStart::Tick(*engine);
        game = dynamic_cast<ModeGame*>(engine->getModeManager()->getCurrentMode());
    }
    if (!game) {
        std::fprintf(stderr, "no game to save\n");
        std::exit(1);
    }
    game->saveGame();
    char const* const name = SaveGame::fileName(SaveGame::kSingle);
    Put("savegame", name, AsStored(ReadFile(GameStart::UserFolder() + name)));
    engine.reset();
    SaveGame::DeleteAll();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    seedRoot = argv[1];
    Norv::g_registry = new Norv::Registry;
    Norv::g_textDict = new Norv::TextDict;
    WriteRegistry();
    WritePod();
    WritePvr("rgba-mipmapped.pvr", 8, OGL_RGBA_8888, 32, true);
    WritePvr("pvrtc4.pvr", 16, OGL_PVRTC4, 4, true);
    WritePvr("rgb565.pvr", 4, OGL_RGB_565, 16, false);
    WriteXm();
    WriteLayoutAndCuts();
    WriteFrameworkPak();
    WriteJournalAndHighScores();
    WriteOptionsAndSavedGame();
    return 0;
}
