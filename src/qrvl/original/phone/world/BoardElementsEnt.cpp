// Choosing the board labels' texture by language, and their number clock.
#include "qrvl/original/phone/world/BoardElementsEnt.h"

#include "contrib/pvr/PVRTTexture.h"
#include "norv/base/Registry.h"
#include "norv/graphics/OpenGL.h"

namespace {

char const kLanguageKey[] = "/qrvl/settings/Language";
char const* const kLabelFiles[] = {"environment/quorvelFr.pvr", "environment/quorvelDe.pvr",
                                   "environment/quorvelSp.pvr"};
// The number nodes' atlas holds this many cells, shown this many a second.
constexpr float kNumberCells = 8.0f;
constexpr float kNumberCellsPerSecond = 10.0f;

} // namespace

BoardElementsEnt::BoardElementsEnt(CEntImpl& model) : CEnt(model)
{
    LoadQuorvelTex();
    RegisterClbk();
    Localize();
}

BoardElementsEnt::BoardElementsEnt(CEnt const& other) : CEnt(other)
{
    LoadQuorvelTex();
    RegisterClbk();
    Localize();
}

BoardElementsEnt::~BoardElementsEnt()
{
    SetLabel(defaultLabel);
    for (GLuint& label : labels)
        if (label)
            glDeleteTextures(1, &label);
    UnregisterClbk();
}

void BoardElementsEnt::LoadQuorvelTex()
{
    std::vector<GLuint> const& textures = GetModel().textures;
    defaultLabel = textures.empty() ? 0 : textures[0];
}

// A language's label is read the first time that language is chosen: each
// is as large as the board's largest texture, and a player keeps one language.
GLuint BoardElementsEnt::LanguageLabel(Label label)
{
    if (!labelRead[label]) {
        labelRead[label] = true;
        if (PVRTTextureLoadFromPVR(kLabelFiles[label], &labels[label], nullptr, true, 0) != PVR_SUCCESS)
            labels[label] = 0;
    }
    return labels[label];
}

void BoardElementsEnt::RegisterClbk()
{
    if (Norv::g_registry)
        Norv::g_registry->_RegisterCallback(kLanguageKey, OnLangChange, this, "RegisterClbk", __FILE__, __LINE__);
}

void BoardElementsEnt::UnregisterClbk()
{
    if (Norv::g_registry)
        Norv::g_registry->RemoveCallback(kLanguageKey, OnLangChange, this);
}

void BoardElementsEnt::OnLangChange(void* self, Norv::NarrowString const&, Norv::RegistryKey*)
{
    static_cast<BoardElementsEnt*>(self)->Localize();
}

void BoardElementsEnt::SetLabel(GLuint texture)
{
    std::vector<GLuint>& textures = GetModel().textures;
    if (!textures.empty())
        textures[0] = texture;
}

void BoardElementsEnt::Localize()
{
    Norv::NarrowString language;
    if (Norv::g_registry)
        Norv::g_registry->Get(kLanguageKey, language);
    if (language == "en_am" || language == "en" || language == "it")
        SetLabel(defaultLabel);
    else if (language == "fr")
        SetLabel(LanguageLabel(kFrench));
    else if (language == "de")
        SetLabel(LanguageLabel(kGerman));
    else if (language == "es")
        SetLabel(LanguageLabel(kSpanish));
}

void BoardElementsEnt::Update(float seconds)
{
    frame += kNumberCellsPerSecond * seconds;
    while (frame >= kNumberCells)
        frame -= kNumberCells;
    CEnt::Update(seconds);
}
