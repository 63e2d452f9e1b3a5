// Loading in steps, the per-frame update and the drawing order of the
// board scene.
#include "qrvl/original/phone/world/CWorld.h"

#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/CarEnt.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/PegEnt.h"
#include "qrvl/original/phone/world/TexAnimEnt.h"
#include "qrvl/original/phone/world/TouchEnt.h"
#include "qrvl/original/phone/world/TouchEntMgr.h"
#include "qrvl/port/WorldTables.h"

#include "norv/base/Registry.h"
#include "norv/graphics/OpenGL.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

char const* const kLanguageKey = "/qrvl/settings/Language";
// The marker's glow runs through a 4 x 4 atlas.
constexpr int kMarkerCells = 4;
// The animated touchable that smokes when touched: the SUV.
constexpr int kSuvRow = 1;
// A ground patch in collision.dat: its centre's x, y and z, then its colour.
constexpr uint32_t kCollisionRecordBytes = 16;

char const* const kTerrainTemplates[7] = {
    "particles/footprint1.xml", "particles/footprint2.xml", "particles/footprint3.xml", "particles/grassT.xml",
    "particles/waterT.xml",     "particles/sandT.xml",      "particles/snowT.xml"};

void AddTapSounds(CEnt& entity, char const* entry)
{
    if (!entry || !*entry)
        return;
    if (Norv::NarrowString(entry) != "doorbell") {
        entity.tapSounds.push_back(entry);
        return;
    }
    // The doorbell stands for six bells and a knock.
    for (char const* bell : {"bi_doorbell1", "bi_doorbell2", "bi_doorbell3", "bi_doorbell4", "bi_doorbell5",
                             "bi_doorbell6", "bi_cabin_knock"})
        entity.tapSounds.push_back(bell);
}

void Register(CEnt& entity)
{
    entity.SetColor(TouchEntMgr::GetInstance().RegisterEnt(&entity));
}

void OnLanguageChange(void*, Norv::NarrowString const&, Norv::RegistryKey*)
{
    CWorld::GetWorld().LoadLocalizedModel();
}

} // namespace

CWorld& CWorld::GetWorld()
{
    static CWorld world;
    return world;
}

CWorld::~CWorld() = default;

void CWorld::Clear()
{
    for (Norv::SmartPtr<CEnt>& car : cars)
        car = nullptr;
    spinner = nullptr;
    named.clear();
    ambientParticles.clear();
    transientParticles.clear();
    collisionMesh.clear();
    land.Clear();
    spaceQuads.clear();
    board = nullptr;
    clicker = nullptr;
    collision = nullptr;
    cameraController.reset();
    clickerMotion.reset();
    spinnerMotion.reset();
    pickPending = false;
    if (Norv::g_registry)
        Norv::g_registry->RemoveCallback(kLanguageKey, OnLanguageChange, this);
}

void CWorld::SetupLoader(FGResLoader& loader)
{
    Clear();
    TouchEntMgr::GetInstance().Clear();
    loader.clear();
    for (int type : {kLoadCollisionMesh, kSetupMotions, kSetupMarker, kLoadScene, kLoadTextures})
        loader.registerResource("", type, -1);
    SpawnEnts(loader);
    loading = true;
    if (auto* engine = static_cast<QuorvelEngine*>(FGEngine::getEngine()))
        engine->setRenderWorld(true);
}

void CWorld::SpawnEnts(FGResLoader& loader)
{
    named.clear();
    for (int i = 0; i < WorldTables::kEnvironmentModels; ++i)
        loader.registerResource("", kLoadEnt, i);
    loader.registerResource("", kLoadLocalizedModel, -1);
    for (int i = 0; i < WorldTables::kTouchableModels; ++i)
        loader.registerResource("", kLoadTouchableEnt, i);
    for (int i = 0; i < WorldTables::kAnimatedTouchables; ++i)
        loader.registerResource("", kLoadTouchableEntAnim, i);
    for (int i = 0; i < WorldTables::kPositionedRows; ++i)
        loader.registerResource("", kLoadPositionedEnt, i);
    for (int i = 0; i < WorldTables::kBuildingRows; i += 2)
        loader.registerResource("", kLoadTouchableBuilding, i);
}

void CWorld::LoadStep(int type, int index)
{
    switch (type) {
    case kLoadEnt: LoadEnt(index); break;
    case kLoadTouchableEnt: LoadTouchableEnt(index); break;
    case kLoadTouchableEntAnim: LoadTouchableEntAnim(index); break;
    case kLoadPositionedEnt: LoadPositionedEnt(index); break;
    case kLoadTouchableBuilding: LoadTouchableBuilding(index); break;
    case kLoadLocalizedModel: LoadLocalizedModel(); break;
    case kLoadScene: LoadScene(); break;
    case kLoadTextures: LoadTextures(); break;
    case kSetupMotions: SetupMotions(); break;
    case kLoadCollisionMesh: LoadCollisionMesh(); break;
    case kSetupMarker: SetupMarker(); break;
    default: break;
    }
}

void CWorld::LoadCollisionMesh()
{
    collisionMesh.clear();
    land.Clear();
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile("collision.dat"));
    uint32_t count = 0;
    if (!file || file->Read(&count, 4) != 4)
        return;
    // Read in one go: the archive decodes one long read faster than ten
    // thousand short ones. Only complete records count: a short file keeps
    // those it has.
    std::vector<unsigned char> bytes(static_cast<size_t>(std::max(file->GetLength() - 4, 0)));
    int const read = bytes.empty() ? 0 : file->Read(bytes.data(), static_cast<int>(bytes.size()));
    uint32_t const records = std::min<uint32_t>(count, static_cast<uint32_t>(std::max(read, 0)) / kCollisionRecordBytes);
    collisionMesh.reserve(size_t(records) * 4);
    for (uint32_t i = 0; i < records; ++i) {
        unsigned char const* record = bytes.data() + size_t(i) * kCollisionRecordBytes;
        float xyz[3];
        std::memcpy(xyz, record, 12);
        CollMeshData corner;
        std::memcpy(corner.colour, record + 12, 4);
        float const x = xyz[0], y = xyz[1], z = xyz[2];
        land.Add(x, y, z);
        for (PVRTVec3 const& at : {PVRTVec3(x - 40, y, z - 40), PVRTVec3(x - 40, y, z + 40), PVRTVec3(x + 40, y, z + 40),
                                   PVRTVec3(x + 40, y, z - 40)}) {
            corner.position = at;
            collisionMesh.push_back(corner);
        }
    }
}

void CWorld::SetupMotions()
{
    spinnerMotion = std::make_unique<CSpinnerMotion>();
    spinnerMotion->Init();
    clickerMotion = std::make_unique<CClickerMotion>(spinnerMotion.get());
    clickerMotion->Init();
}

void CWorld::SetupMarker()
{
    if (!marker) {
        TexAnimEnt* glow = static_cast<TexAnimEnt*>(EntManager::Get().CreateTexAnimEnt("glow.pod", ""));
        glow->SetAnim(kMarkerCells, kMarkerCells);
        glow->visible = false;
        marker = glow;
    }
    terrainTemplates.clear();
    for (char const* file : kTerrainTemplates)
        terrainTemplates.push_back(new Particles(file, PVRTVec3(0.0f, 1.0f, 0.0f)));
}

void CWorld::LoadScene()
{
    board = new CEntImpl;
    clicker = new CEntImpl;
    collision = new CEntImpl;
    board->LoadModel("board.pod");
    clicker->LoadModel("ratchett.pod");
    collision->LoadModel("collision.pod");
    spinner = EntManager::Get().CreateSpinnerEnt("spinner.pod", "");
    if (spinner && spinnerMotion)
        spinner->SetSpinnerMotion(spinnerMotion.get(), false);
    if (spinner && spinner->GetModel().model.nNumNode) {
        // The camera films the wheel where its model stands.
        CPVRTModelPOD& wheel = spinner->GetModel().model;
        PVRTMat4 const at = wheel.GetWorldMatrix(wheel.pNode[0]);
        spinner->SetPosition(PVRTVec3(at.f[12], at.f[13], at.f[14]));
    }
    CPVRTModelPOD const& scene = board->model;
    float fov = 1.0f;
    if (scene.nNumCamera && scene.nNumNode > scene.nNumMeshNode + scene.nNumLight) {
        int const camera = scene.pNode[scene.nNumMeshNode + scene.nNumLight].nIdx;
        if (camera >= 0 && unsigned(camera) < scene.nNumCamera)
            fov = scene.pCamera[camera].fFOV;
    }
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    float const aspect = view[3] > 0 ? float(view[2]) / float(view[3]) : 4.0f / 3.0f;
    projection = PVRTMat4::PerspectiveFov(fov, aspect, 1.0f, 100000.0f, PVRTMat4::OGL, true);
    boardUnreadable = !board->LoadVBOs();
    clicker->LoadVBOs();
}

void CWorld::LoadTextures()
{
    for (CEntImpl* model : {board.Get(), clicker.Get()})
        if (model)
            model->LoadTextures("");
}

void CWorld::LoadLocalizedModel()
{
    Norv::NarrowString language;
    if (Norv::g_registry)
        Norv::g_registry->Get(kLanguageKey, language);
    char const* chosen = language == "en_am" ? WorldTables::kCurrency[0]
                         : language == "en"  ? WorldTables::kCurrency[1]
                                             : WorldTables::kCurrency[2];
    for (char const* file : WorldTables::kCurrency)
        named.erase(file);
    File(chosen, EntManager::Get().CreateEnt(chosen, "environment/"));
}

void CWorld::LoadEnt(int row)
{
    if (row < 0 || row >= WorldTables::kEnvironmentModels)
        return;
    char const* file = WorldTables::kEnvironment[row];
    File(file, row == WorldTables::kBoardLabelsRow ? EntManager::Get().CreateBoardElementsEnt(file, "environment/")
                                                   : EntManager::Get().CreateEnt(file, "environment/"));
}

void CWorld::LoadTouchableEnt(int row)
{
    if (row < 0 || row >= WorldTables::kTouchableModels)
        return;
    WorldTables::TouchableRow const& touchable = WorldTables::kTouchables[row];
    CEnt* entity = EntManager::Get().CreateEnt(touchable.file, "environment/");
    File(touchable.file, entity);
    Register(*entity);
    AddTapSounds(*entity, touchable.sound);
}

void CWorld::LoadTouchableEntAnim(int row)
{
    if (row < 0 || row >= WorldTables::kAnimatedTouchables)
        return;
    WorldTables::AnimatedTouchableRow const& touchable = WorldTables::kAnimated[row];
    TouchEnt* entity = static_cast<TouchEnt*>(
        EntManager::Get().CreateTouchableEnt(touchable.main, "environment/", touchable.animation));
    File(touchable.main, entity);
    if (touchable.hasMain) {
        entity->SetRotation(touchable.mainRotation);
        entity->SetPosition(touchable.mainPosition);
        entity->SetMainPos(touchable.mainPosition);
        entity->SetMainRot(touchable.mainRotation);
    }
    if (touchable.animationAtMain) {
        entity->SetAnimPos(touchable.mainPosition);
        entity->SetAnimRot(touchable.mainRotation);
    }
    Register(*entity);
    AddTapSounds(*entity, touchable.sound);
    if (row == kSuvRow)
        entity->particleTemplate = new Particles("particles/carSmoke.xml", touchable.mainPosition);
}

void CWorld::LoadPositionedEnt(int row)
{
    if (row < 0 || row >= WorldTables::kPositionedRows)
        return;
    WorldTables::Placement const placement = WorldTables::PositionedRow(row);
    WorldTables::ModelRow const& model = WorldTables::kPlaceableModels[placement.model];
    CEnt* entity = EntManager::Get().CreateEnt(model.file, model.folder);
    entity->SetRotation(placement.rotation);
    entity->SetPosition(placement.position);
    entity->RandomAnim();
    entity->spin = placement.model == WorldTables::kStopSign;
    File(model.file, entity);
}

void CWorld::LoadTouchableBuilding(int row)
{
    if (row < 0 || row + 1 >= WorldTables::kBuildingRows || row % 2)
        return;
    WorldTables::Placement const& placement = WorldTables::kBuildings[row];
    WorldTables::ModelRow const& model = WorldTables::kPlaceableModels[placement.model];
    CEnt* building = EntManager::Get().CreateEnt(model.file, model.folder);
    building->SetRotation(placement.rotation);
    building->SetPosition(placement.position);
    Register(*building);
    File(model.file, building);
    WorldTables::ModelRow const& childModel = WorldTables::kPlaceableModels[WorldTables::kBuildings[row + 1].model];
    Norv::SmartPtr<CEnt> child(EntManager::Get().CreateEnt(childModel.file, childModel.folder));
    if (placement.model != WorldTables::kMansion) {
        child->SetPosition(PVRTVec3(0.0f, 0.0f, 0.0f));
        building->AddChild(child.Get());
        building->childrenVisible = false;
        if (placement.model == WorldTables::kChurch)
            building->particleTemplate = new Particles("particles/confetti.xml");
        AddTapSounds(*building, WorldTables::kBuildingSounds[placement.model]);
        return;
    }
    AddTapSounds(*building, WorldTables::kBuildingSounds[placement.model]);
    building->touchFlags = 0;
    for (WorldTables::Placement const& bag : WorldTables::kMoneyBags) {
        WorldTables::ModelRow const& bagModel = WorldTables::kPlaceableModels[bag.model];
        CEnt* moneyBag = EntManager::Get().CreateEnt(bagModel.file, bagModel.folder);
        moneyBag->SetRotation(bag.rotation);
        moneyBag->SetPosition(bag.position);
        // A child is drawn and picked in its parent's frame: the bag's
        // place on the board is brought into the mansion's, so that it
        // stands beside the mansion rather than twice moved off the board.
        moneyBag->worldMatrix = building->worldMatrix.inverse() * moneyBag->worldMatrix;
        moneyBag->RandomAnim();
        // A template: each tap throws a fresh burst of coins from it.
        moneyBag->particleTemplate = new Particles("particles/coins.xml", bag.position + PVRTVec3(0.0f, 200.0f, 0.0f));
        moneyBag->SetColor(building->pickColour);
        building->AddChild(moneyBag);
    }
    building->childrenVisible = true;
}

void CWorld::Init()
{
    cameraController = std::make_unique<CCameraController>();
    interactions = std::make_unique<BInteractionTouch>();
    cameraController->SetSpinner(spinner.Get());
    cameraController->SetLand(&land);
    if (spinnerMotion)
        spinnerMotion->SetCamera(cameraController.get());
    pickPending = false;
    cameraController->SnapToSpinner();
    textureClock = 0.0f;
    ambientParticles.push_back(new Particles("particles/snow.xml"));
    ambientParticles.push_back(new Particles("particles/leaf1.xml"));
    for (PVRTVec3 const& at : WorldTables::kChimneySmoke)
        ambientParticles.push_back(new Particles("particles/chimneySmoke.xml", at));
    if (Norv::g_registry) {
        Norv::g_registry->RemoveCallback(kLanguageKey, OnLanguageChange, this);
        Norv::g_registry->_RegisterCallback(kLanguageKey, OnLanguageChange, this, "Init", __FILE__, __LINE__);
    }
    loading = false;
}

PVRTMat4 CWorld::GetCamera() const
{
    return cameraController ? cameraController->GetCamera() : PVRTMat4::Identity();
}

CEnt* CWorld::SpawnCar()
{
    CEnt* car = EntManager::Get().CreateCarEnt("carRed.pod", "gameobjects/");
    car->SetCarMotion(new CCarMotion, false);
    for (Norv::SmartPtr<CEnt>& slot : cars)
        if (!slot) {
            slot = car;
            break;
        }
    return car;
}

CarMotion* CWorldHooks::SpawnCar(int colour)
{
    CEnt* car = CWorld::GetWorld().SpawnCar();
    car->visible = false;
    CWorld::SetCarColour(car, colour);
    return car->carMotion;
}

void CWorld::SetCarColour(CEnt* car, int colour)
{
    if (car)
        static_cast<CarEnt*>(car)->colourIndex = static_cast<unsigned char>(std::clamp(colour, 0, 5));
}

CEnt* CWorld::SpawnPeg(CEnt* car, bool pink, int seat, bool backToRest)
{
    if (!car || seat < 0 || seat > 5)
        return nullptr;
    PegEnt* peg = static_cast<PegEnt*>(EntManager::Get().CreatePegEnt(pink, "gameobjects/", seat, PVRTVec3(0, 0, 0)));
    car->AddChild(peg);
    car->MatrixUpdated();
    if (backToRest)
        peg->PlayAnim(PegEnt::kSitDown);
    return peg;
}

void CWorld::ResetFreeLookModeState()
{
    if (marker)
        marker->visible = false;
    transientParticles.clear();
}

void CWorld::FreeLook(CarMotion* car)
{
    if (!cameraController)
        return;
    // Only the 3D layer's own motions have a body to look at.
    CCarMotion const* motion = dynamic_cast<CCarMotion const*>(car);
    if (motion && motion->GetEntity())
        cameraController->PanToCar(*motion, {}, true);
    else
        cameraController->PanToSpinner(true);
}

void CWorld::MoveFreeLook(float x, float z)
{
    if (cameraController)
        cameraController->MoveXZ(PVRTVec2(x, z));
}

void CWorld::Touch(int x, int y)
{
    pickPending = true;
    pickX = float(x);
    pickY = float(y);
}

void CWorld::Update()
{
    if (loading)
        return;
    if (cameraController)
        cameraController->Update();
    if (spinnerMotion)
        spinnerMotion->Update();
    if (clickerMotion)
        clickerMotion->Update();
    float const dt = float(CEngine::GetEngine().GetFrameMs()) / 1000.0f;
    if (marker)
        marker->Update(dt);
    for (Norv::SmartPtr<CEnt> const& car : cars)
        if (car)
            car->Update(dt);
    for (auto const& entry : named)
        for (Norv::SmartPtr<CEnt> const& entity : entry.second)
            entity->Update(dt);
    for (Norv::SmartPtr<Particles> const& particles : ambientParticles)
        particles->Update(dt);
    for (Norv::SmartPtr<Particles> const& particles : transientParticles)
        particles->Update(dt);
    if (spinner)
        spinner->Update(dt);
}
