// The board's printed labels: their texture follows the language setting,
// and their number nodes step through an eight-cell atlas ten times a
// second.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

namespace Norv {
class RegistryKey;
}

class BoardElementsEnt : public CEnt {
public:
    explicit BoardElementsEnt(CEntImpl& model);
    explicit BoardElementsEnt(CEnt const& other);
    // Gives the model its own label back.
    ~BoardElementsEnt() override;

    // The label of the language set now, shared by every entity of the
    // model; an unknown language keeps the current one.
    void Localize();
    void Update(float seconds) override;

    static void OnLangChange(void* self, Norv::NarrowString const& path, Norv::RegistryKey* key);

private:
    enum Label { kFrench, kGerman, kSpanish, kLabels };

    void LoadQuorvelTex();
    void RegisterClbk();
    void UnregisterClbk();
    void SetLabel(GLuint texture);
    GLuint LanguageLabel(Label label);

    GLuint defaultLabel = 0;
    GLuint labels[kLabels] = {};
    bool labelRead[kLabels] = {};
};
