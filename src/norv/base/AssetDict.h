// The engine's one cache of loaded assets (images, fonts, sounds), shared
// by name while they are in use.
#pragma once

#include "norv/base/core/Any.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"

#include <map>
#include <typeindex>
#include <utility>

namespace Norv {

// A name is a file path with optional load options after its last "@", as
// in "menu/gfx/box.png@linear"; each asset kind interprets its own options.
class AssetDict : public RefCounter {
public:
    // Entries are kept apart by kind: one name asked as an image and as a
    // font gives two entries.
    using Key = std::pair<std::type_index, NarrowString>;

    // The asset for the name, loaded if no user holds it; null when it
    // cannot be loaded. With `keep` the dictionary holds it from then on.
    template <class T>
    SmartPtr<T> Get(NarrowString const& name, bool keep);

    // A new asset (reference count 0) made from a name with options, or null.
    // Each kind's library defines its own.
    template <class T>
    static T* Create(NarrowString const& name);

    // The text before the last "@" and the options after it; a name without
    // "@" is all file.
    static void SplitOptions(NarrowString const& name, NarrowString& file, NarrowString& options);

    ~AssetDict() override;

    std::map<Key, Any> const& GetWeakEntries() const { return weakEntries; }
    std::map<Key, Any> const& GetKeptEntries() const { return keptEntries; }

private:
    std::map<Key, Any> weakEntries;
    std::map<Key, Any> keptEntries;
};

// Exists from the application's start-up to its shutdown.
extern SmartPtr<AssetDict> g_assetDict;

template <class T>
SmartPtr<T> AssetDict::Get(NarrowString const& name, bool keep)
{
    Key const key(std::type_index(typeid(T)), name);
    SmartPtr<T> result;
    auto weak = weakEntries.find(key);
    if (weak != weakEntries.end()) {
        WeakPtr<T> const* pointer = weak->second.Cast<WeakPtr<T>>();
        result = pointer ? pointer->Get() : nullptr;
        if (!result)
            weakEntries.erase(weak);
    }
    if (!result) {
        // A failed load is remembered as a dead entry and tried again.
        result = Create<T>(name);
        weakEntries[key] = WeakPtr<T>(result);
    }
    if (keep) {
        // A kept entry from a failed first load gives way to a loaded asset.
        Any& kept = keptEntries[key];
        SmartPtr<T> const* held = kept.Cast<SmartPtr<T>>();
        if (!held || !*held)
            kept = result;
    }
    return result;
}

} // namespace Norv
