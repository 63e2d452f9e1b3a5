// The factory of the board's entities and the cache of their models: every
// entity drawn from one model file shares one loaded model.
#pragma once

#include "norv/base/NarrowString.h"
#include "norv/base/SmartPtr.h"
#include "qrvl/original/phone/CEnt.h"
#include "qrvl/original/phone/CEntImpl.h"
#include "qrvl/original/phone/SkinningShader.h"

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

    CEntImpl& CachedModel(char const* file, char const* folder);

    std::map<Norv::NarrowString, Norv::SmartPtr<CEntImpl>> cache;
    SkinningShader skinning;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
};
