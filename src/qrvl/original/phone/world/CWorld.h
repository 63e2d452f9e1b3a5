// The 3D board scene: the board, the wheel and its clicker, up to six
// cars with their pegs, the scenery, the marker of a picked space and the
// particles. It loads in small steps queued in the engine's resource
// loader, so that the loading screen keeps moving, and is updated and
// drawn once per frame by the 3D layer's driver.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec3.h"
#include "contrib/pvr/PVRTVec4.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "qrvl/original/phone/world/BInteraction.h"
#include "qrvl/original/phone/world/CCameraController.h"
#include "qrvl/original/phone/world/CClickerMotion.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/LandHeights.h"
#include "qrvl/original/phone/world/WorldHooks.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class Board;
class FGResLoader;

class CWorld {
public:
    // The loader's step types.
    enum Step {
        kLoadEnt = 4, kLoadTouchableEnt, kLoadTouchableEntAnim, kLoadPositionedEnt, kLoadTouchableBuilding,
        kLoadLocalizedModel, kLoadScene, kLoadTextures, kSetupMotions, kLoadCollisionMesh, kSetupMarker
    };
    static constexpr int kCarSlots = 6;

    struct CollMeshData {
        PVRTVec3 position;
        unsigned char colour[4];
    };
    struct SpaceQuadVertex {
        PVRTVec3 position;
        PVRTVec4 colour;
    };

    static CWorld& GetWorld();

    virtual void Clear();
    virtual ~CWorld();
    virtual void Init();
    virtual void SetupLoader(FGResLoader& loader);
    virtual void SetupMotions();
    virtual void LoadCollisionMesh();
    virtual void SetupMarker();
    virtual void Update();
    virtual void Render();
    virtual void Touch(int x, int y);

    void LoadStep(int type, int index);
    void SpawnEnts(FGResLoader& loader);
    void LoadScene();
    void LoadTextures();
    void LoadLocalizedModel();
    void LoadEnt(int row);
    void LoadTouchableEnt(int row);
    void LoadTouchableEntAnim(int row);
    void LoadPositionedEnt(int row);
    void LoadTouchableBuilding(int row);

    // A new car in the first empty slot; with all six taken it is returned
    // without being kept.
    CEnt* SpawnCar();
    static void SetCarColour(CEnt* car, int colour);
    CEnt* SpawnPeg(CEnt* car, bool pink, int seat, bool backToRest);
    void ResetFreeLookModeState();
    // Free look over a car's body, or over the wheel when it has none.
    void FreeLook(CarMotion* car);
    void MoveFreeLook(float x, float z);

    bool IsLoading() const { return loading; }
    // The last load of the scene could not read the board's model.
    bool IsBoardUnreadable() const { return boardUnreadable; }
    // The scene is drawn once it is loaded and has its camera.
    bool HasScene() const { return board && board->IsLoaded() && cameraController; }
    PVRTMat4 const& GetProjection() const { return projection; }
    PVRTMat4 GetCamera() const;
    PVRTMat4 GetProjectionCamera() const { return projection * GetCamera(); }
    std::map<Norv::NarrowString, std::vector<Norv::SmartPtr<CEnt>>> const& GetNamedEnts() const { return named; }
    std::vector<CollMeshData> const& GetCollisionMesh() const { return collisionMesh; }
    // The land's heights from the ground patches, which the camera stays above.
    LandHeights const& GetLand() const { return land; }

    // The wheel, whatever the name asked for.
    CEnt* GetEntNamed(char const*) const { return spinner.Get(); }

    std::unique_ptr<CCameraController> cameraController;
    std::unique_ptr<CSpinnerMotion> spinnerMotion;
    std::unique_ptr<CClickerMotion> clickerMotion;
    Norv::SmartPtr<CEnt> spinner;
    Norv::SmartPtr<CEnt> marker;
    std::array<Norv::SmartPtr<CEnt>, kCarSlots> cars;

private:
    CWorld() = default;

    void RenderModel(CEntImpl& model, PVRTMat4 const& matrix);
    void ColorRender();
    void BuildSpaceQuads(Board& rules);
    // What the pick pass's pixel names: an entity, a space or the ground.
    void PickAt(int x, int y, unsigned char const* pixel);
    void PickGround(int x, int y, unsigned char const* pixel);
    void File(char const* name, CEnt* entity) { named[name].push_back(entity); }

    bool loading = false;
    bool boardUnreadable = false;
    bool pickPending = false;
    float pickX = 0.0f;
    float pickY = 0.0f;
    int viewport[4] = {0, 0, 0, 0};
    float textureClock = 0.0f;
    PVRTMat4 projection = PVRTMat4::Identity();
    Norv::SmartPtr<CEntImpl> board;
    Norv::SmartPtr<CEntImpl> clicker;
    Norv::SmartPtr<CEntImpl> collision;
    std::vector<CollMeshData> collisionMesh;
    LandHeights land;
    std::vector<SpaceQuadVertex> spaceQuads;
    std::map<Norv::NarrowString, std::vector<Norv::SmartPtr<CEnt>>> named;
    std::vector<Norv::SmartPtr<Particles>> ambientParticles;
    std::vector<Norv::SmartPtr<Particles>> transientParticles;
    std::vector<Norv::SmartPtr<Particles>> terrainTemplates;
    std::unique_ptr<BInteractionTouch> interactions;
};

// The driver's hooks over the world.
class CWorldHooks : public WorldHooks {
public:
    void SetupLoader(FGResLoader& loader) override { CWorld::GetWorld().SetupLoader(loader); }
    void LoadStep(int type, int index) override { CWorld::GetWorld().LoadStep(type, index); }
    bool IsBoardUnreadable() override { return CWorld::GetWorld().IsBoardUnreadable(); }
    void Init() override { CWorld::GetWorld().Init(); }
    void Update() override { CWorld::GetWorld().Update(); }
    bool CanRender() override { return CWorld::GetWorld().HasScene(); }
    void Render() override { CWorld::GetWorld().Render(); }
    void Touch(int x, int y) override { CWorld::GetWorld().Touch(x, y); }
    void FreeLook(CarMotion* car) override { CWorld::GetWorld().FreeLook(car); }
    void MoveFreeLook(float x, float z) override { CWorld::GetWorld().MoveFreeLook(x, z); }
    void Clear() override { CWorld::GetWorld().Clear(); }
    CarMotion* SpawnCar(int colour) override;
};
