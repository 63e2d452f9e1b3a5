// Typed control look-ups.
#include "qrvl/menu/ScreenControls.h"

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

} // namespace qrvl
