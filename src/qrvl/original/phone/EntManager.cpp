// The entity factory and its model cache.
#include "qrvl/original/phone/EntManager.h"

EntManager& EntManager::Get()
{
    static EntManager manager;
    return manager;
}

CEntImpl& EntManager::CachedModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl>& slot = cache[file];
    if (!slot) {
        slot = new CEntImpl;
        slot->Load(file, folder);
    }
    return *slot;
}

CEnt* EntManager::CreateEnt(char const* file, char const* folder)
{
    return new CEnt(CachedModel(file, folder));
}

CEntImpl* EntManager::GetModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl> model(new CEntImpl);
    model->Load(file, folder);
    cache[file] = model;
    return model.Get();
}
