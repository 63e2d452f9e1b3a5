// The localised control and its script class.
#include "guif/LocalisedControl.h"

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

namespace Guif {

LocalisedControl::LocalisedControl(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen)
    : Control(element, cache, screen)
{
    if (!Norv::g_registry)
        return;
    Norv::NarrowString language;
    Norv::g_registry->Get(Norv::TextDict::kLanguageKey, language);
    RefreshRepresentation(language);
    languageWatch.Start(OnLanguageChange, this);
}

void LocalisedControl::RefreshRepresentation(Norv::NarrowString const& language)
{
    UpdateRepresentation(GetRepresentation(language) ? language : Norv::NarrowString("default"));
}

void LocalisedControl::OnLanguageChange(void* user, Norv::NarrowString const&, Norv::RegistryKey* key)
{
    Norv::NarrowString language;
    if (key) {
        Norv::Any const value = key->GetData();
        if (Norv::NarrowString const* text = value.Cast<Norv::NarrowString>())
            language = *text;
    }
    static_cast<LocalisedControl*>(user)->RefreshRepresentation(language);
}

} // namespace Guif
