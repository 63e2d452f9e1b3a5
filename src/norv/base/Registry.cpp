// The registry tree: paths, typed access and change callbacks.
#include "norv/base/Registry.h"

#include <algorithm>
#include <string_view>

namespace Norv {

SmartPtr<Registry> g_registry;

namespace {

// Cuts a key path at its last '/': the node part and the key's name. False
// for a key directly under the root or an empty name.
bool SplitKeyPath(std::string_view path, std::string_view& nodePath, std::string_view& name)
{
    size_t const slash = path.rfind('/');
    if (slash == 0 || slash == std::string_view::npos || slash + 1 == path.size())
        return false;
    nodePath = path.substr(0, slash);
    name = path.substr(slash + 1);
    return true;
}

} // namespace

RegistryNode* Registry::GetNode(NarrowString const& path, bool keyPath, bool create)
{
    if (path.empty() || path[0] != '/')
        return nullptr;
    std::string_view nodePath = path;
    std::string_view name;
    if (keyPath && !SplitKeyPath(path, nodePath, name))
        return nullptr;
    if (std::count(nodePath.begin(), nodePath.end(), '/') > kMaxPathDepth)
        return nullptr;

    // "/a//b" names b under the empty-named child of a; a '/' at the end adds
    // no component.
    RegistryNode* node = &root;
    size_t start = 1;
    while (node && start < nodePath.size()) {
        size_t end = nodePath.find('/', start);
        if (end == std::string_view::npos)
            end = nodePath.size();
        node = node->GetChild(NarrowString(nodePath.substr(start, end - start)), create);
        start = end + 1;
    }
    return node;
}

RegistryKey* Registry::GetKey(NarrowString const& path, bool create)
{
    RegistryNode* node = GetNode(path, true, create);
    if (!node)
        return nullptr;
    std::string_view nodePath, name;
    SplitKeyPath(path, nodePath, name);
    NarrowString const keyName(name);
    auto found = node->keys.find(keyName);
    if (found != node->keys.end())
        return found->second.get();
    if (!create)
        return nullptr;
    return node->keys.emplace(keyName, std::make_unique<RegistryKey>()).first->second.get();
}

template <class T>
bool Registry::SetValue(NarrowString const& path, T const& value)
{
    RegistryKey* key = GetKey(path, true);
    if (!key || !key->Set(value))
        return false;
    CheckCallback(path, key);
    return true;
}

bool Registry::Set(NarrowString const& path, bool value)
{
    return SetValue(path, value);
}

bool Registry::Set(NarrowString const& path, int value)
{
    return SetValue(path, value);
}

bool Registry::Set(NarrowString const& path, float value)
{
    return SetValue(path, value);
}

bool Registry::Set(NarrowString const& path, NarrowString const& value)
{
    return SetValue(path, value);
}

template <class T>
bool Registry::GetValue(NarrowString const& path, T& value)
{
    RegistryKey* key = GetKey(path, false);
    if (!key)
        return false;
    Any const data = key->GetData();
    T const* held = data.Cast<T>();
    if (!held)
        return false;
    value = *held;
    return true;
}

bool Registry::Get(NarrowString const& path, bool& value)
{
    return GetValue(path, value);
}

bool Registry::Get(NarrowString const& path, int& value)
{
    return GetValue(path, value);
}

bool Registry::Get(NarrowString const& path, float& value)
{
    return GetValue(path, value);
}

bool Registry::Get(NarrowString const& path, NarrowString& value)
{
    return GetValue(path, value);
}

void Registry::CheckCallback(NarrowString const& path, RegistryKey* key)
{
    // Walks by index over the records present at the start: records added
    // meanwhile wait for the next Set, and removed ones are only marked until
    // the outermost walk ends, so no index moves under a running walk.
    ++callbackWalks;
    size_t const count = callbacks.size();
    for (size_t i = 0; i < count; ++i) {
        RegistryCallback const& record = callbacks[i];
        if (record.removed || path.compare(0, record.path.size(), record.path) != 0)
            continue;
        CallbackFunction const function = record.function;
        function(record.user, path, key);
    }
    if (--callbackWalks == 0) {
        callbacks.erase(std::remove_if(callbacks.begin(), callbacks.end(),
                                       [](RegistryCallback const& r) { return r.removed; }),
                        callbacks.end());
    }
}

void Registry::_RegisterCallback(NarrowString const& path, CallbackFunction function, void* user,
                                 NarrowString const& name, NarrowString const& file, int line)
{
    NarrowString description = name + " (" + file + ": " + std::to_string(line) + ")";
    callbacks.push_back({function, user, path, std::move(description), false});
}

bool Registry::RemoveCallback(NarrowString const& path, CallbackFunction function, void* user)
{
    for (auto record = callbacks.begin(); record != callbacks.end(); ++record) {
        if (record->removed || record->function != function || record->user != user || record->path != path)
            continue;
        if (callbackWalks)
            record->removed = true;
        else
            callbacks.erase(record);
        return true;
    }
    return false;
}

} // namespace Norv
