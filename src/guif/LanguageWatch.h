// A change callback on the text dictionary's language key, removed again
// when its owner dies, provided the registry it was set on still exists.
#pragma once

#include "norv/base/Registry.h"
#include "norv/base/core/WeakPtr.h"

namespace Guif {

class LanguageWatch {
public:
    LanguageWatch() = default;
    LanguageWatch(LanguageWatch const&) = delete;
    LanguageWatch& operator=(LanguageWatch const&) = delete;
    ~LanguageWatch();

    // Registers the callback on the application's registry, if there is one.
    void Start(Norv::Registry::CallbackFunction function, void* user);

private:
    Norv::WeakPtr<Norv::Registry> registry;
    Norv::Registry::CallbackFunction function = nullptr;
    void* user = nullptr;
};

} // namespace Guif
