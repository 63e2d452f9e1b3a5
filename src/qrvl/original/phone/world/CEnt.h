// One visible thing of the 3D board: an instance of a shared model with its
// own placement, animation clock, opacity, pick colour, children, particle
// systems and tap sounds.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec3.h"
#include "contrib/pvr/PVRTVec4.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/original/phone/world/CEntImpl.h"
#include "qrvl/port/Particles.h"

#include <vector>

class CCarMotion;
class CSpinnerMotion;
class CClickerMotion;
struct SkinningShader;

// A model localiser switches a model's texts with the language.
class CModelLocaliser {
public:
    virtual ~CModelLocaliser() = default;
    virtual void Init() {}
};

class CEnt : public Norv::RefCounter, public Norv::WeakRefCounter {
public:
    // Touch flag bits.
    static constexpr int kTouchTogglesChildren = 1;
    static constexpr int kTouchReversesAnimation = 2;

    explicit CEnt(CEntImpl& model);
    // A new entity on the same model with the same skinning, spin and
    // touch flags; everything else fresh.
    CEnt(CEnt const& other);
    ~CEnt() override;
    CEnt& operator=(CEnt const&) = delete;

    virtual void Init();
    virtual void Update(float seconds);
    virtual void Render();
    virtual void ColorRender();
    virtual void OnTouch();
    virtual void MatrixUpdated() {}

    // Pre-translates: positions add up.
    void SetPosition(PVRTVec3 const& position);
    // Degrees about X, then Y, then Z; set before the position.
    void SetRotation(PVRTVec3 const& degrees);
    void SetColor(PVRTVec4 const& colour) { pickColour = colour; }

    void SetCarMotion(CCarMotion* motion, bool);
    void SetSpinnerMotion(CSpinnerMotion* motion, bool) { spinnerMotion = motion; }
    void SetClickerMotion(CClickerMotion* motion, bool) { clickerMotion = motion; }
    void SetModelLocaliser(CModelLocaliser* localiser, bool) { modelLocaliser = localiser; }
    void ClearCarMotion() {}
    void ClearSpinnerMotion() { spinnerMotion = nullptr; }
    void ClearClickerMotion() { clickerMotion = nullptr; }
    void ClearModelLocaliser() { modelLocaliser = nullptr; }

    void AddChild(CEnt* child) { children.push_back(child); }
    void RandomAnim();
    // Takes the shared skinning program.
    bool LoadShaders();

    void RenderChildren();
    void RenderParticles(PVRTMat4 const& inverseView);

    CEntImpl& GetModel() const { return *model; }

    CCarMotion* carMotion = nullptr;
    CSpinnerMotion* spinnerMotion = nullptr;
    CClickerMotion* clickerMotion = nullptr;
    CModelLocaliser* modelLocaliser = nullptr;
    // Set for a model whose meshes carry bone weights while shaders are
    // available.
    SkinningShader* skinning = nullptr;
    float frame = 0.0f;
    float animationSpeed = 1.0f;
    bool placed = false;
    PVRTMat4 worldMatrix = PVRTMat4::Identity();
    std::vector<Norv::SmartPtr<CEnt>> children;
    bool visible = true;
    bool childrenVisible = true;
    PVRTVec4 pickColour {1.0f, 1.0f, 1.0f, 0.0f};
    bool spin = false;
    int touchFlags = 1023;
    float alpha = 1.0f;
    std::vector<Norv::SmartPtr<Particles>> particleSystems;
    Norv::SmartPtr<Particles> particleTemplate;
    std::vector<Norv::NarrowString> tapSounds;

protected:
    // The live particle systems a touch may leave at once.
    static constexpr size_t kMaxTouchBursts = 5;

    // Draws from another model from now on.
    void SetModel(CEntImpl& other) { model = &other; }
    // Advances the live particle systems and drops the spent ones.
    void UpdateParticles(float seconds);
    // A touch's burst: a restarted copy of the template at `at`, unless
    // `kMaxTouchBursts` systems are alive already.
    void AddBurst(PVRTVec3 const& at);
    void SetPodFrame();

private:
    PVRTMat4 NodeMatrix(unsigned int node) const;
    // Binds the mesh's buffers, sets the vertex pointer and draws it.
    void DrawMesh(unsigned int mesh) const;
    bool DrawsSkinned() const;
    // One mesh node through the fixed-function pipeline.
    // clipFromModel: the projection and modelview the entity is drawn with.
    void RenderNode(unsigned int node, PVRTMat4 const& clipFromModel);
    // Every mesh node once through the skinning program.
    void RenderSkinned();

    Norv::SmartPtr<CEntImpl> model;
};
