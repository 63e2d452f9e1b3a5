// The one installed implementation of a set of hooks through which the
// framework calls a layer built beside it, or the hooks' own empty defaults
// while none is installed.
#pragma once

#include <memory>

template <class Hooks>
class InstalledHooks {
public:
    static Hooks& Get()
    {
        static Hooks defaults;
        return Slot() ? *Slot() : defaults;
    }

    // Takes ownership; null puts the defaults back.
    static void Install(Hooks* hooks) { Slot().reset(hooks); }

private:
    static std::unique_ptr<Hooks>& Slot()
    {
        static std::unique_ptr<Hooks> slot;
        return slot;
    }
};
