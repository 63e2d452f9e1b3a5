// The language key's callback for the GUI's text controls.
#include "guif/LanguageWatch.h"

#include "norv/base/TextDict.h"

namespace Guif {

void LanguageWatch::Start(Norv::Registry::CallbackFunction callback, void* owner)
{
    if (!Norv::g_registry || function)
        return;
    NORV_REGISTER_CALLBACK(Norv::g_registry, Norv::TextDict::kLanguageKey, callback, owner);
    registry = Norv::g_registry.Get();
    function = callback;
    user = owner;
}

LanguageWatch::~LanguageWatch()
{
    if (Norv::Registry* live = registry.Get())
        live->RemoveCallback(Norv::TextDict::kLanguageKey, function, user);
}

} // namespace Guif
