// A test program that draws rich text in the game's fonts: runs in two
// fonts and several colours, wrapped and centred with a shadow in one box,
// bottom-aligned in another; a line turned about a pivot, and a line in a
// font of coloured glyphs, which no colour tints.
#pragma once

#include "norv/application/sdl/SdlApplication.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/ScreenText.h"

class TextSceneApp : public Norv::SdlApplication {
public:
    TextSceneApp() : SdlApplication(0) {}

    void OnStartup() override;
    void OnShutdown() override;
    void OnRender(Norv::Surface* screen) override;

private:
    Norv::SmartPtr<Norv::ScreenText> title;
    Norv::SmartPtr<Norv::ScreenText> footer;
    Norv::SmartPtr<Norv::ScreenText> turned;
    Norv::SmartPtr<Norv::ScreenText> coloured;
    Norv::SmartPtr<Norv::FontEx> colourFont;
};
