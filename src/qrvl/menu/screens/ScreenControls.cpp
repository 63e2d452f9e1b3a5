// Typed control look-ups.
#include "qrvl/menu/screens/ScreenControls.h"

namespace qrvl {

Guif::TextLine* FindTextLine(Guif::Screen* screen, char const* name)
{
    Guif::Control* control = screen ? screen->FindControl(name) : nullptr;
    return control && control->GetType() == Guif::Control::TypeTextLine ? static_cast<Guif::TextLine*>(control)
                                                                         : nullptr;
}

Guif::TextBox* FindTextBox(Guif::Screen* screen, char const* name)
{
    Guif::Control* control = screen ? screen->FindControl(name) : nullptr;
    return control && control->GetType() == Guif::Control::TypeTextBox ? static_cast<Guif::TextBox*>(control)
                                                                        : nullptr;
}

Guif::TransformedSprite* FindTransformedSprite(Guif::Screen* screen, char const* name)
{
    Guif::Control* control = screen ? screen->FindControl(name) : nullptr;
    if (!control)
        return nullptr;
    for (Guif::Node<Guif::Graphic>::iterator walk(control->GetCurrentRepresentation()); walk; ++walk)
        if (walk->GetItem()->GetType() == Guif::Graphic::TypeTransformedSprite)
            return static_cast<Guif::TransformedSprite*>(walk->GetItem());
    return nullptr;
}

void SetLineText(Guif::Screen* screen, char const* name, Norv::NarrowString const& text, bool raw)
{
    if (Guif::TextLine* line = FindTextLine(screen, name))
        line->SetText(text, raw);
}

void ShowControl(Guif::Screen* screen, char const* name, bool shown)
{
    if (Guif::Control* control = screen ? screen->FindControl(name) : nullptr) {
        control->SetVisibilityExists(true);
        control->SetVisibleFlag(shown);
    }
}

void SetControlActive(Guif::Screen* screen, char const* name, bool active)
{
    if (Guif::Control* control = screen ? screen->FindControl(name) : nullptr)
        control->SetTouchableFlag(active);
}

void SetControlAlpha(Guif::Screen* screen, char const* name, int alpha)
{
    if (Guif::Control* control = screen ? screen->FindControl(name) : nullptr)
        control->SetOwnAlpha(alpha);
}

void PlaceControl(Guif::Screen* screen, char const* name, float x, float y, bool shown)
{
    if (Guif::Control* control = screen ? screen->FindControl(name) : nullptr) {
        control->SetX(x);
        control->SetY(y);
        control->SetVisibilityExists(true);
        control->SetVisibleFlag(shown);
    }
}

void SetSpriteImage(Guif::Screen* screen, char const* name, char const* image)
{
    if (Guif::TransformedSprite* sprite = FindTransformedSprite(screen, name))
        sprite->SetImage(image);
}

} // namespace qrvl
