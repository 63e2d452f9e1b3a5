// A control whose representations are named after languages: it shows the
// one of the current language, or "default" when it has none for it.
#pragma once

#include "guif/Control.h"
#include "guif/LanguageWatch.h"

namespace Norv {
class RegistryKey;
}

namespace Guif {

class LocalisedControl : public Control {
public:
    static char const className[];
    static Norv::Lunar<LocalisedControl>::RegType methods[];

    // What a script makes: no representation and no language callback.
    LocalisedControl() = default;
    // Shows the representation of the language in "/textDict/language" and
    // follows that key from then on.
    LocalisedControl(Norv::XmlIt const& element, DocumentCache* cache, Screen* screen);

    int GetType() const override { return TypeLocalised; }

    void RefreshRepresentation(Norv::NarrowString const& language);

private:
    static void OnLanguageChange(void* user, Norv::NarrowString const& path, Norv::RegistryKey* key);

    LanguageWatch languageWatch;
};

} // namespace Guif
