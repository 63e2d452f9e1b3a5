// The entity factory and its model cache.
#include "qrvl/original/phone/world/EntManager.h"

#include "qrvl/original/phone/world/BoardElementsEnt.h"
#include "qrvl/original/phone/world/CarEnt.h"
#include "qrvl/original/phone/world/PegEnt.h"
#include "qrvl/original/phone/world/SpinnerEnt.h"
#include "qrvl/original/phone/world/TexAnimEnt.h"
#include "qrvl/original/phone/world/TouchEnt.h"

#include "norv/graphics/OpenGL.h"

#include <cstdio>

namespace {

char const kVertexShaderFile[] = "VertShader.vsh";
char const kFragmentShaderFile[] = "FragShader.fsh";

// The pegs of the six seats: three geometry files of each colour; a seat's
// colour comes from the texture set its key names.
constexpr int kPegFiles = 3;

Norv::NarrowString PegName(bool pink, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, pink ? "pinkpeg%d.pod" : "bluepeg%d.pod", number);
    return name;
}

} // namespace

EntManager& EntManager::Get()
{
    static EntManager manager;
    return manager;
}

// A file cached as another kind of model is that kind of model: the
// board's files each have one kind.
template <typename Model>
Model& EntManager::CachedModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl>& slot = cache[file];
    if (!slot) {
        slot = new Model;
        slot->Load(file, folder);
    }
    return static_cast<Model&>(*slot);
}

CEnt* EntManager::CreateEnt(char const* file, char const* folder)
{
    return new CEnt(CachedModel(file, folder));
}

CEnt* EntManager::CreateSpinnerEnt(char const* file, char const* folder)
{
    return new SpinnerEnt(CachedModel<SpinnerEntImpl>(file, folder));
}

CEnt* EntManager::CreateCarEnt(char const* file, char const* folder)
{
    return new CarEnt(CachedModel<CarEntImpl>(file, folder));
}

CEnt* EntManager::CreateTouchableEnt(char const* mainFile, char const* folder, char const* animationFile)
{
    CEntImpl& main = CachedModel(mainFile, folder);
    return new TouchEnt(main, CachedModel(animationFile, folder));
}

CEnt* EntManager::CreateTexAnimEnt(char const* file, char const* folder)
{
    return new TexAnimEnt(CachedModel(file, folder));
}

CEnt* EntManager::CreateBoardElementsEnt(char const* file, char const* folder)
{
    return new BoardElementsEnt(CachedModel(file, folder));
}

CEnt* EntManager::CreatePegEnt(bool pink, char const* folder, int seat, PVRTVec3 const& offset)
{
    return new PegEnt(*GetPegModel(pink, folder, seat), offset, pink, seat);
}

CEntImpl* EntManager::GetModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl> model(new CEntImpl);
    model->Load(file, folder);
    cache[file] = model;
    return model.Get();
}

EntManager::~EntManager()
{
    skinProgram.Release();
}

SkinningShader* EntManager::GetSkinningShader()
{
    LoadSkinShader();
    return &skinning;
}

void EntManager::LoadSkinShader()
{
    if (skinning.program || !Norv::GetGLCaps().glsl)
        return;
    // Failures are silent: skinned models then draw unskinned.
    bool const linked = skinProgram.Build(kVertexShaderFile, kFragmentShaderFile, SkinningShader::kAttributeNames,
                                          SkinningShader::AttributeCount);
    skinning.program = skinProgram.program;
    if (linked)
        skinProgram.ReadUniforms(SkinningShader::kUniformNames, SkinningShader::UniformCount, skinning.uniforms);
}

CEntImpl* EntManager::GetPegModel(bool pink, char const* folder, int seat)
{
    Norv::NarrowString const key = PegName(pink, seat + 1);
    if (!cache.count(key))
        SpawnPegEntDefs(folder);
    return cache[key].Get();
}

// Seat n (1 to 6) takes the geometry of pink peg file (n + 1) / 2 when odd
// and of blue peg file n / 2 when even, in both colours.
void EntManager::SpawnPegEntDefs(char const* folder)
{
    auto load = [&](bool pinkFile, int file, bool pinkKey, int seat) -> CEntImpl& {
        Norv::SmartPtr<CEntImpl>& slot = cache[PegName(pinkKey, seat)];
        slot = new CEntImpl;
        slot->Load(PegName(pinkFile, file).c_str(), folder);
        return *slot;
    };
    CEntImpl& pinkSet = load(true, 1, true, 1);
    CEntImpl& blueSet = load(false, 1, false, 2);
    for (int file = 2; file <= kPegFiles; ++file) {
        load(true, file, true, 2 * file - 1).ShareTextures(pinkSet);
        load(false, file, false, 2 * file).ShareTextures(blueSet);
    }
    for (int file = 1; file <= kPegFiles; ++file) {
        load(true, file, false, 2 * file - 1).ShareTextures(blueSet);
        load(false, file, true, 2 * file).ShareTextures(pinkSet);
    }
}
