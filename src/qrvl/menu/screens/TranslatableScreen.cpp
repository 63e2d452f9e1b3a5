// Slides and the base-area offsets of the game's scripted screens.
#include "qrvl/menu/screens/TranslatableScreen.h"

#include "norv/graphics/Display.h"
#include "qrvl/menu/screens/HudTransitions.h"
#include "qrvl/menu/screens/ResManager.h"

namespace qrvl {

float g_fadeTime = 0.5f;

namespace {

int OffsetX()
{
    ResManager const* layout = ResManager::GetInstance();
    return layout ? layout->GetOffsetX() : 0;
}

int OffsetY()
{
    ResManager const* layout = ResManager::GetInstance();
    return layout ? layout->GetOffsetY() : 0;
}

int WindowHeight()
{
    Norv::Display* display = Norv::Display::GetCurrent();
    Norv::SdlSurface* screen = display ? display->GetScreen() : nullptr;
    return screen ? screen->GetHeight() : 0;
}

int RoundHalfAway(float value) { return static_cast<int>(value >= 0.0f ? value + 0.5f : value - 0.5f); }

} // namespace

void TranslatableScreen::EndSlide()
{
    if (state == SlidingIn || state == SlidingOut)
        HudTransitions::NotifyTransitionEnd();
}

void TranslatableScreen::StartSlide(State slide)
{
    if (state == slide)
        return;
    EndSlide();
    state = slide;
    slideTime = 0.0f;
    HudTransitions::NotifyTransitionStart();
}

void TranslatableScreen::FadeIn() { StartSlide(SlidingIn); }
void TranslatableScreen::FadeOut() { StartSlide(SlidingOut); }

void TranslatableScreen::Hide()
{
    EndSlide();
    state = Hidden;
    slideTime = 0.0f;
}

void TranslatableScreen::Update(Norv::NorvFloat const& seconds)
{
    Guif::Screen::Update(seconds);
    if (state != SlidingIn && state != SlidingOut)
        return;
    slideTime += static_cast<float>(seconds);
    if (slideTime >= g_fadeTime) {
        HudTransitions::NotifyTransitionEnd();
        state = state == SlidingIn ? Shown : Hidden;
    }
}

int TranslatableScreen::GetTranslation(int windowHeight) const
{
    float const h = static_cast<float>(windowHeight);
    switch (state) {
    case Hidden:
        return windowHeight;
    case SlidingIn:
        return RoundHalfAway(h - slideTime * h / g_fadeTime);
    case SlidingOut:
        return RoundHalfAway(h * slideTime / g_fadeTime);
    case Shown:
        break;
    }
    return 0;
}

void TranslatableScreen::Render(Norv::Surface* surface, float dx, float dy)
{
    Guif::Screen::Render(surface, dx + static_cast<float>(OffsetX()),
                         dy + static_cast<float>(GetTranslation(WindowHeight()) + OffsetY()));
}

void TranslatableScreen::OnTouchUp(int x, int y, int id) { Guif::Screen::OnTouchUp(x - OffsetX(), y - OffsetY(), id); }

void TranslatableScreen::OnTouchDown(int x, int y, int id)
{
    Guif::Screen::OnTouchDown(x - OffsetX(), y - OffsetY(), id);
}

void TranslatableScreen::OnTouchMove(int x, int y, int id)
{
    Guif::Screen::OnTouchMove(x - OffsetX(), y - OffsetY(), id);
}

} // namespace qrvl
