// What the screen mode tests ask of a scripted screen: run script code in
// its state as its own buttons would, whether a control shows, and the text
// of a text line.
#pragma once

#include "guif/ColorText.h"
#include "guif/TextLine.h"
#include "norv/base/core/NarrowString.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include <gtest/gtest.h>

#include <string>

namespace ScreenProbe {

inline void Script(qrvl::TranslatableScreen* screen, std::string const& code)
{
    ASSERT_NE(screen, nullptr);
    screen->GetLua()->Execute(code.c_str());
}

inline bool Shown(qrvl::TranslatableScreen* screen, char const* name)
{
    Guif::Control* control = screen->FindControl(name);
    return control && control->IsSelfVisible();
}

inline std::string Text(qrvl::TranslatableScreen* screen, char const* name)
{
    auto* line = dynamic_cast<Guif::TextLine*>(screen->FindControl(name));
    Guif::ColorText* text = line ? line->GetColorText() : nullptr;
    return text ? std::string(Norv::NarrowString(text->GetText())) : "<missing>";
}

} // namespace ScreenProbe
