// The text scene program.
#include "TextSceneApp.h"

#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "norv/graphics/text/RichString.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>

using namespace Norv;

namespace {

// Where the two texts sit; the test looks at the same places.
constexpr int kMargin = 10;
constexpr int kTextWidth = 300;
constexpr int kFooterTop = 130;
constexpr int kFooterHeight = 60;
Color const kBackground(32, 44, 84);
Color const kFrame(90, 110, 170);

Text::Format RunFormat(Text::FontSet* fonts, char const* fontId, Color const& color, int align, int verticalAlign)
{
    Text::Format format;
    format.fontSet = fonts;
    format.fontId = fontId;
    format.color = color;
    format.horizontalAlign = align;
    format.verticalAlign = verticalAlign;
    format.setMask = Text::Format::FontIdSet | Text::Format::ColorSet | Text::Format::HorizontalAlignSet |
                     Text::Format::VerticalAlignSet;
    return format;
}

} // namespace

void TextSceneApp::OnStartup()
{
    Vfs::Initialize();
    if (!MountPak(QUORVEL_ASSETS_PAK, "", 1))
        std::fprintf(stderr, "text scene: cannot mount %s\n", QUORVEL_ASSETS_PAK);
    g_assetDict = new AssetDict;
    SmartPtr<Text::FontSet> fonts(new Text::FontSet);
    fonts->AddFont("arial", g_assetDict->Get<FontEx>("fonts/arial_large.xml", false).Get());
    fonts->AddFont("funhouse", g_assetDict->Get<FontEx>("fonts/funhouse.xml", false).Get());

    int const centre = Text::Format::AlignCenter;
    int const top = Text::Format::VAlignTop;
    Color const white(255, 255, 255);
    RichString titleText(L"Welcome to Quorvel!\n",
                         RunFormat(fonts.Get(), "funhouse", Color(255, 210, 60), centre, top));
    titleText.Append(L"AVAST! Take ", RunFormat(fonts.Get(), "arial", white, centre, top))
        .Append(L"your turn", RunFormat(fonts.Get(), "arial", Color(120, 220, 255), centre, top))
        .Append(L" and WAVE to the crowd.", RunFormat(fonts.Get(), "arial", white, centre, top));
    title = new ScreenText(titleText, Extent(kTextWidth, 0));
    title->flags |= ScreenText::DrawShadow;

    int const bottom = Text::Format::VAlignBottom;
    RichString footerText(L"Your turn: ",
                          RunFormat(fonts.Get(), "funhouse", Color(140, 240, 120), centre, bottom));
    footerText.Append(L"spin the wheel!", RunFormat(fonts.Get(), "funhouse", Color(255, 120, 170), centre, bottom));
    footer = new ScreenText(footerText, Extent(kTextWidth, kFooterHeight));
}

void TextSceneApp::OnShutdown()
{
    title.Release();
    footer.Release();
    g_assetDict.Release();
    Vfs::Shutdown();
}

void TextSceneApp::OnRender(Surface* screen)
{
    if (!screen || !title || !footer)
        return;
    screen->Clear(kBackground);
    title->Draw(screen, kMargin, kMargin, title->GetBits());
    screen->DrawRectangle(kMargin - 1, kFooterTop - 1, kMargin + kTextWidth, kFooterTop + kFooterHeight, kFrame);
    footer->Draw(screen, kMargin, kFooterTop, footer->GetBits());
}

SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel text";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new TextSceneApp;
}
