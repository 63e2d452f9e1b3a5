// The factory of the board's entities and the cache of their models: every
// entity drawn from one model file shares one loaded model.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"
#include "qrvl/original/phone/world/ShaderProgram.h"
#include "qrvl/original/phone/world/SkinningShader.h"

#include <map>

class EntManager {
public:
    static EntManager& Get();

    // A new entity on the cached model of `file`, loaded from folder + file
    // on the first request; a model that failed to load stays cached and
    // draws nothing. The folder is not part of the key.
    CEnt* CreateEnt(char const* file, char const* folder);
    // Always loads a fresh model, caches it in place of any older one of
    // that name and returns it.
    CEntImpl* GetModel(char const* file, char const* folder);
    // The spinner wheel with its four textures.
    CEnt* CreateSpinnerEnt(char const* file, char const* folder);
    // A car on the car model with its six body textures.
    CEnt* CreateCarEnt(char const* file, char const* folder);
    // Scenery that swaps to the animation model when touched, or animates
    // in place when both files are the same.
    CEnt* CreateTouchableEnt(char const* mainFile, char const* folder, char const* animationFile);
    CEnt* CreateTexAnimEnt(char const* file, char const* folder);
    CEnt* CreateBoardElementsEnt(char const* file, char const* folder);

    // A peg for a seat (0 to 5), seated in its car; see `GetPegModel`.
    CEnt* CreatePegEnt(bool pink, char const* folder, int seat, PVRTVec3 const& offset);
    // The model of a seat's peg (seat 0 to 5): the geometry of one of three
    // peg files and the pink or blue texture set. The first request loads
    // all twelve peg models, sharing two texture sets among them.
    CEntImpl* GetPegModel(bool pink, char const* folder, int seat);

    // The shared skinning program, compiled on first use from
    // "VertShader.vsh" and "FragShader.fsh" when shaders are available; its
    // program stays 0 while they do not compile.
    SkinningShader* GetSkinningShader();

    // Forgets every cached model; entities keep theirs alive.
    void Clear() { cache.clear(); }

private:
    EntManager() = default;
    ~EntManager();

    void LoadSkinShader();
    void SpawnPegEntDefs(char const* folder);

    // The cached model of `file`, made as a `Model` and loaded on a miss.
    template <typename Model = CEntImpl>
    Model& CachedModel(char const* file, char const* folder);

    std::map<Norv::NarrowString, Norv::SmartPtr<CEntImpl>> cache;
    SkinningShader skinning;
    ShaderProgram skinProgram;
};
