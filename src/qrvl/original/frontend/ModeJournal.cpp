// The journal viewer: its page machine and the drawing of a page turn.
#include "qrvl/original/frontend/ModeJournal.h"

#include "norv/base/AssetDict.h"
#include "norv/base/core/Pi.h"
#include "norv/graphics/Display.h"
#include "norv/graphics/DrawState.h"
#include "norv/graphics/GLCaps.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/port/Particles.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr char const* kJournalScript = "menu/journal.lua";
constexpr char const* kBackgroundScript = "menu/journalBkg.lua";
constexpr char const* kSheenImage = "menu/gfx/JNL_Sheen.png@linear";
constexpr char const* kShadowImage = "menu/gfx/JNL_Shadow.png@linear";
constexpr char const* kButtons[] = {"BackButton", "PreviousButton", "NextButton"};
// The batcher's attribute arrays, left enabled by shader drawing.
constexpr GLuint kAttributeArrays = 3;
// How far the shadow reaches beyond the folding page's edge.
constexpr float kShadowReach = 1.3f;
// Room for a month's text id with any int as its number, and its zero.
constexpr int kMonthIdBytes = 32;

bool Shown(Guif::Screen* screen, char const* name)
{
    Guif::Control* control = screen ? screen->FindControl(name) : nullptr;
    return control && control->IsSelfVisible();
}

// A page's texts may stand in a single line or in a box that wraps them.
void SetText(Guif::Screen* screen, char const* name, std::string const& text)
{
    if (Guif::TextBox* box = qrvl::FindTextBox(screen, name))
        box->SetText(1, text);
    else
        qrvl::SetLineText(screen, name, text, true);
}

Norv::BatcherVertex White(float x, float y, float u, float v)
{
    return Norv::BatcherVertex(x, y, u, v, 255, 255, 255, 255);
}

} // namespace

char const ModeJournal::className[] = "ModeJournal";

Norv::Lunar<ModeJournal>::RegType ModeJournal::methods[] = {
    {"BackKeyPressed", &ModeJournal::l_BackKeyPressed},
    {"PreviousKeyPressed", &ModeJournal::l_PreviousKeyPressed},
    {"NextKeyPressed", &ModeJournal::l_NextKeyPressed},
    {nullptr, nullptr},
};

ModeJournal::ModeJournal() { CreateRenderSurface(); }

ModeJournal::~ModeJournal()
{
    DestroyRenderSurface();
    particles.clear();
    journalScreen.Release();
    backgroundScreen.Release();
}

void ModeJournal::init(CJournal const* shown)
{
    journal = shown;
    if (!journal)
        return;
    if (!backgroundScreen)
        backgroundScreen = qrvl::MakeChoiceScreen(this, kBackgroundScript);
    if (!journalScreen)
        journalScreen = qrvl::MakeChoiceScreen(this, kJournalScript);
    autoTimer = kAutoTurnMs;
    turnTimer = backTime = 0;
    snapshotRequested = false;

    Norv::Display* display = Norv::Display::GetCurrent();
    Norv::SdlSurface* screen = display ? display->GetScreen() : nullptr;
    width = screen ? screen->GetWidth() : 0;
    height = screen ? screen->GetHeight() : 0;
    if (width > 0 && height > 0)
        renderSurface = new Norv::Surface(width, height, Norv::RGB888);
    if (Norv::g_assetDict) {
        sheen = Norv::g_assetDict->Get<Norv::Surface>(kSheenImage, false);
        shadow = Norv::g_assetDict->Get<Norv::Surface>(kShadowImage, false);
    }
}

int ModeJournal::LastPage() const
{
    return journal ? journal->getEntryCount() - 1 : 0;
}

void ModeJournal::activate()
{
    QuorvelMode::activate();
    if (!journal) {
        qrvl::PopMode();
        return;
    }
    page = 0;
    DisplayCurrentPage(true);
    ShowButtons(true);
    journal->StartEmitters(page, particles);
}

void ModeJournal::deactivate()
{
    QuorvelMode::deactivate();
    particles.clear();
}

void ModeJournal::buttonSelected(CGuiFrameTouchButton* button)
{
    if (button->id == Back) {
        qrvl::PopMode();
        qrvl::PlayMenuSound("frontend_back");
    } else {
        qrvl::PlayMenuSound("fe_select");
    }
}

void ModeJournal::onTouchDown(int x, int y, int id)
{
    if (journalScreen)
        journalScreen->OnTouchDown(x, y, id);
}

void ModeJournal::onTouchUp(int x, int y, int id)
{
    if (journalScreen)
        journalScreen->OnTouchUp(x, y, id);
}

void ModeJournal::keyPressed(int key)
{
    if (journalScreen)
        journalScreen->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

void ModeJournal::DisplayCurrentPage(bool playSound)
{
    if (!journal || !journalScreen)
        return;
    Guif::Screen* screen = journalScreen.Get();
    bool const intro = page == 0;
    bool const outro = !intro && page == LastPage();
    qrvl::ShowControl(screen, "IntroSublayer", intro);
    qrvl::ShowControl(screen, "NormalSublayer", !intro && !outro);
    qrvl::ShowControl(screen, "OutroSublayer", outro);
    if (intro) {
        int const character = static_cast<int>(journal->GetCharacter());
        qrvl::SetSpriteImage(screen, "PlayerImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerTabs, character));
        qrvl::SetSpriteImage(screen, "SliderImage", PlayerEnums::PictureAt(PlayerEnums::g_PlayerPegs, character));
        qrvl::SetSpriteImage(screen, "PlayerImageBkg",
                             PlayerEnums::PictureAt(ColourEnums::g_ColourTabs, static_cast<int>(journal->GetColour())));
        SetText(screen, "IntroTitle", journal->GetEntryDescription(0));
        char monthId[kMonthIdBytes];
        std::snprintf(monthId, sizeof monthId, "S_MONTH%d_LONG", journal->GetMonth() + 1);
        char date[kMonthIdBytes * 4];
        std::snprintf(date, sizeof date, "%d %s %d", journal->GetDay(), FGStringManager::getString(monthId),
                      journal->GetYear());
        qrvl::SetLineText(screen, "IntroDate", date, true);
    } else if (!outro) {
        SetText(screen, "NormalTitle", journal->GetEntryTitle(page));
        SetText(screen, "NormalDescription", journal->GetEntryDescription(page));
        std::string const picture = journal->GetEntryPicture(page);
        qrvl::ShowControl(screen, "JournalImage", !picture.empty());
        if (!picture.empty())
            qrvl::SetSpriteImage(screen, "JournalImage", picture.c_str());
    }
    std::string const border = journal->GetEntryBorder(page);
    if (!border.empty()) {
        qrvl::SetSpriteImage(backgroundScreen.Get(), "topScrollImage1", border.c_str());
        qrvl::SetSpriteImage(backgroundScreen.Get(), "topScrollImage2", border.c_str());
    }
    if (playSound)
        journal->PlaySound(page);
}

void ModeJournal::ShowButtons(bool shown)
{
    Guif::Screen* screen = journalScreen.Get();
    if (!shown) {
        for (char const* name : kButtons)
            qrvl::ShowControl(screen, name, false);
        return;
    }
    qrvl::ShowControl(screen, "BackButton", true);
    qrvl::ShowControl(screen, "PreviousButton", page != 0);
    qrvl::ShowControl(screen, "NextButton", page < LastPage());
}

void ModeJournal::tick()
{
    if (!journal)
        return;
    int const ms = qrvl::LastFrameMs();
    float const seconds = static_cast<float>(ms) * 0.001f;
    backgroundScreen->Update(seconds);
    journalScreen->Update(seconds);
    for (auto& emitter : particles)
        emitter->Update(seconds);

    autoTimer -= ms;
    if (autoTimer < 1 && !turnRequested) {
        direction = Next;
        turnRequested = true;
    }
    if (direction == Previous)
        backTime = std::min(backTime + ms, kTurnMs);
    turnTimer = std::max(turnTimer - ms, 0);

    if (turnRequested) {
        if (direction == Previous && page != 0) {
            ShowButtons(false);
            snapshotRequested = true;
            turnTimer = kTurnMs;
            backTime = 0;
            qrvl::PlayMenuSound("next_card");
            turning = true;
        } else if (direction == Next && page < LastPage()) {
            ShowButtons(false);
            snapshotRequested = true;
            ++page;
            turnTimer = kTurnMs;
            particles.clear();
            qrvl::PlayMenuSound("next_card");
            turning = true;
        }
        turnRequested = false;
        autoTimer = kAutoTurnMs;
    }

    if (turnTimer < 1) {
        if (turning) {
            turning = false;
            if (direction == Previous)
                --page;
            DisplayCurrentPage(true);
        }
        if (!Shown(journalScreen.Get(), "BackButton")) {
            ShowButtons(true);
            journal->StartEmitters(page, particles);
        }
    }
}

void ModeJournal::RenderToTexture()
{
    if (!renderSurface)
        return;
    backgroundScreen->Render(renderSurface.Get(), 0, 0);
    journalScreen->Render(renderSurface.Get(), 0, 0);
}

void ModeJournal::DrawParticles()
{
    if (particles.empty() || width <= 0 || height <= 0)
        return;
    if (Norv::GetGLCaps().glsl) {
        glUseProgram(0);
        for (GLuint array = 0; array < kAttributeArrays; ++array)
            glDisableVertexAttribArray(array);
    }
    if (Norv::g_batcher)
        Norv::g_batcher->Commit();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    PVRTMat4 const identity = PVRTMat4::Identity();
    for (auto& emitter : particles)
        emitter->Render(identity);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (Norv::g_batcher) {
        Norv::g_batcher->Commit();
        Norv::g_batcher->ResetState();
    }
    glEnable(GL_BLEND);
}

void ModeJournal::drawSelf(Norv::Surface* target)
{
    if (!journal || !target)
        return;
    if (snapshotRequested) {
        // A forward turn folds away the page left; a backward one unfolds the page returned to.
        int const current = page;
        page = std::max(page - 1, 0);
        DisplayCurrentPage(false);
        RenderToTexture();
        page = current;
        DisplayCurrentPage(false);
        snapshotRequested = false;
    }
    backgroundScreen->Render(target, 0, 0);
    DrawParticles();
    journalScreen->Render(target, 0, 0);
    if (turnTimer < 1)
        return;
    int const t = direction == Next ? turnTimer : backTime;
    float const f = static_cast<float>(kTurnMs - t) / static_cast<float>(kTurnMs);
    float const k = std::cos(f * Norv::kPiF / 2.0f);
    RenderShadow(shadow.Get(), target, k);
    RenderTurningSurface(renderSurface.Get(), target, k, 0, -1);
    if (sheen) {
        float const sheenWidth = static_cast<float>(sheen->GetWidth());
        RenderTurningSurface(sheen.Get(), target, k, sheenWidth * (1.0f - f) * 0.5f, sheenWidth / 4.0f);
    }
}

void ModeJournal::RenderShadow(Norv::Surface* image, Norv::Surface* target, float k)
{
    Norv::OpenGLBatcher* batcher = Norv::DrawingBatcher();
    if (!batcher || !image || !target)
        return;
    float const W = static_cast<float>(target->GetWidth());
    float const H = static_cast<float>(target->GetHeight());
    float const s = kShadowReach * k;
    Norv::PixelData const& pixels = *image->GetPixelData();
    float const w = static_cast<float>(pixels.GetWidth()) * pixels.GetScaleX();
    float const h = static_cast<float>(pixels.GetHeight()) * pixels.GetScaleY();
    batcher->SetShader(nullptr);
    Norv::SetTexturedState(*batcher, *target, *image, Norv::Batcher::Blend, false);
    batcher->Queue(White(0, 0, 0, 0), White(W * s, 0, w, 0), White(W * s, H * (s + 1) * 0.5f, w, h),
                   White(0, H, 0, h));
}

void ModeJournal::RenderTurningSurface(Norv::Surface* source, Norv::Surface* target, float k, float u, float du)
{
    Norv::OpenGLBatcher* batcher = Norv::DrawingBatcher();
    if (!batcher || !source || !target)
        return;
    float const W = static_cast<float>(target->GetWidth());
    float const H = static_cast<float>(target->GetHeight());
    Norv::PixelData const& pixels = *source->GetPixelData();
    float const w = static_cast<float>(pixels.GetWidth());
    float const h = static_cast<float>(pixels.GetHeight());
    float const halfH = static_cast<float>(target->GetHeight() / 2);
    float const halfh = static_cast<float>(pixels.GetHeight() / 2);
    float const su = pixels.GetScaleX();
    float const sv = pixels.GetScaleY();
    // The page snapshot keeps to the laid-out area; the sheen band spans the window.
    float ox = 0, oy = 0, u0 = u, u1 = u + du;
    if (du < 0) {
        if (qrvl::g_resManager) {
            ox = static_cast<float>(qrvl::g_resManager->GetOffsetX());
            oy = static_cast<float>(qrvl::g_resManager->GetOffsetY());
        }
        u0 = ox + u;
        u1 = w - ox + u;
    }
    Norv::BatcherVertex const p0 = White(ox, halfH, u0 * su, halfh * sv);
    Norv::BatcherVertex const p1 = White(ox, oy, u0 * su, oy * sv);
    Norv::BatcherVertex const p2 = White(W * k - ox, H * (k - 1) + oy, u1 * su, oy * sv);
    Norv::BatcherVertex const p3 = White(W * k - ox, H * (2 - k) - oy, u1 * su, (h - oy) * sv);
    Norv::BatcherVertex const p4 = White(ox, H - oy, u0 * su, (h - oy) * sv);
    batcher->SetShader(nullptr);
    Norv::SetTexturedState(*batcher, *target, *source, Norv::Batcher::Blend, false);
    batcher->Queue(p0, p1, p2);
    batcher->Queue(p2, p3, p0);
    batcher->Queue(p3, p4, p0);
}

int ModeJournal::l_BackKeyPressed(lua_State*)
{
    CGuiFrameTouchButton button(Back);
    buttonSelected(&button);
    return 0;
}

int ModeJournal::l_PreviousKeyPressed(lua_State*)
{
    direction = Previous;
    turnRequested = true;
    return 0;
}

int ModeJournal::l_NextKeyPressed(lua_State*)
{
    direction = Next;
    turnRequested = true;
    return 0;
}
