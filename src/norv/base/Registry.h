// The engine's settings tree: typed keys addressed by slash-separated paths
// such as "/qrvl/settings/Language", with change callbacks, and its XML file.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/RegistryKey.h"
#include "norv/base/RegistryNode.h"
#include "norv/base/core/SmartPtr.h"

#include <vector>

namespace Norv {

class XmlIt;

class Registry : public RefCounter, public WeakRefCounter {
public:
    using CallbackFunction = void (*)(void* user, NarrowString const& path, RegistryKey* key);

    struct RegistryCallback {
        CallbackFunction function;
        void* user;
        NarrowString path;
        // "function (file: line)" of the registering code, for listings.
        NarrowString description;
        bool removed; // removed while callbacks were running; erased after
    };

    // Most components a path may have. The tree is walked recursively when
    // it is saved and freed, so neither a path nor a file may nest it
    // without end.
    static constexpr int kMaxPathDepth = 64;

    // The node of a node path, or of a key path's node part when `keyPath` is
    // set; missing nodes are made when `create` is set. Null when the path is
    // not valid or a node is missing.
    RegistryNode* GetNode(NarrowString const& path, bool keyPath, bool create);
    // The key of a key path ("/node/.../name"), made with its nodes when
    // `create` is set.
    RegistryKey* GetKey(NarrowString const& path, bool create);

    // Makes the key when needed, stores the value (retyping a plain key) and
    // calls the callbacks watching the path; false when the path is not valid
    // or the key refuses.
    bool Set(NarrowString const& path, bool value);
    bool Set(NarrowString const& path, int value);
    bool Set(NarrowString const& path, float value);
    bool Set(NarrowString const& path, NarrowString const& value);
    // Without it, a string literal would be stored as the bool true.
    bool Set(NarrowString const& path, char const* value) { return Set(path, NarrowString(value)); }

    // False, leaving the output alone, when the key is missing, holds nothing
    // or holds another type.
    bool Get(NarrowString const& path, bool& value);
    bool Get(NarrowString const& path, int& value);
    bool Get(NarrowString const& path, float& value);
    bool Get(NarrowString const& path, NarrowString& value);

    // Calls, in registration order, every callback whose path is a prefix of
    // `path`. Callbacks may set keys and add or remove callbacks meanwhile.
    void CheckCallback(NarrowString const& path, RegistryKey* key);
    // Use NORV_REGISTER_CALLBACK, which fills in the caller's name and place.
    void _RegisterCallback(NarrowString const& path, CallbackFunction function, void* user,
                           NarrowString const& name, NarrowString const& file, int line);
    // Removes the first record of that path, function and user.
    bool RemoveCallback(NarrowString const& path, CallbackFunction function, void* user);
    std::vector<RegistryCallback> const& GetCallbacks() const { return callbacks; }

    // The subtree at a node path as registry.xml text; "" when there is no node.
    NarrowString Save(NarrowString const& path);
    // Writes that text to a file of the virtual file system, replacing an
    // older file only once the new one is complete.
    bool Save(NarrowString const& fileName, NarrowString const& path);
    // Reads a registry file into the tree, under `path` or, when it is empty,
    // under the path the file names; with `fireCallbacks` each key read calls
    // its callbacks.
    bool Load(NarrowString const& fileName, bool fireCallbacks, NarrowString const& path);
    bool LoadFromString(NarrowString const& text, bool fireCallbacks, NarrowString const& path);

    // The script class "Registry": registry:Set(path, value) answers whether
    // the value was stored, registry:Get(path) the value or nil.
    static char const className[];
    static Lunar<Registry>::RegType methods[];
    int l_Set(lua_State* L);
    int l_Get(lua_State* L);

private:
    template <class T>
    bool SetValue(NarrowString const& path, T const& value);
    template <class T>
    bool GetValue(NarrowString const& path, T& value);

    bool LoadCommon(XmlIt const& root, bool fireCallbacks, NarrowString const& path);
    void LoadNode(RegistryNode* node, XmlIt const& element, NarrowString const& path, bool fireCallbacks,
                  int depth);
    void FillChild(RegistryNode* node, NarrowString& text, NarrowString const& name, int depth);

    RegistryNode root;
    std::vector<RegistryCallback> callbacks;
    int callbackWalks = 0; // CheckCallback calls running, nested ones included
};

// The application's registry, made at start-up.
extern SmartPtr<Registry> g_registry;

} // namespace Norv

#define NORV_REGISTER_CALLBACK(registry, path, function, user) \
    (registry)->_RegisterCallback((path), (function), (user), __func__, __FILE__, __LINE__)
