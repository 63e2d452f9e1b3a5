// The text scene program.
#include "TextSceneApp.h"

#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/MemPixelData.h"
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
// The coloured-glyph line and the turned line between the two boxes.
constexpr int kColouredX = 20;
constexpr int kColouredY = 100;
constexpr int kTurnedX = 150;
constexpr int kTurnedY = 84;
constexpr float kTurnedAngle = 0.15f;
// Glyphs of the coloured font: squares, a gap between them.
constexpr int kSwatch = 12;
constexpr int kSwatchAdvance = 16;
Color const kSwatchColours[] = {Color(60, 220, 90), Color(70, 130, 255), Color(250, 250, 250)};

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

// A font whose glyphs "a", "b" and "c" are squares of their own colours.
FontEx* ColourFont()
{
    int const count = static_cast<int>(sizeof kSwatchColours / sizeof kSwatchColours[0]);
    MemPixelData* sheet = new MemPixelData(count * kSwatchAdvance, kSwatch, RGBA8888);
    FontEx* font = new FontEx("", "");
    for (int glyph = 0; glyph < count; ++glyph) {
        for (int y = 0; y < kSwatch; ++y)
            for (int x = 0; x < kSwatchAdvance; ++x)
                sheet->PutPixel(glyph * kSwatchAdvance + x, y, x < kSwatch ? kSwatchColours[glyph] : Color(0, 0, 0, 0));
        font->AddRect(static_cast<wchar_t>(L'a' + glyph), RectT<int>(glyph * kSwatchAdvance, 0, kSwatchAdvance, kSwatch));
    }
    font->bitmap = new Surface(sheet);
    return font;
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

    fonts->AddFont("small", g_assetDict->Get<FontEx>("fonts/arial_small.xml@linear", false).Get());
    turned = new ScreenText(RunFormat(fonts.Get(), "small", Color(255, 200, 120), Text::Format::AlignLeft, top),
                            L"turned, with a shadow", Extent(kTextWidth, 0));
    turned->flags |= ScreenText::DrawShadow;
    colourFont = ColourFont();
    SmartPtr<Text::FontSet> swatches(new Text::FontSet);
    swatches->AddFont("swatches", colourFont.Get());
    // Red asked for, but coloured glyphs keep their own colours.
    coloured = new ScreenText(RunFormat(swatches.Get(), "swatches", Color(255, 0, 0), Text::Format::AlignLeft, top),
                              L"abc", Extent(kTextWidth, 0));
}

void TextSceneApp::OnShutdown()
{
    title.Release();
    footer.Release();
    turned.Release();
    coloured.Release();
    colourFont.Release();
    g_assetDict.Release();
    Vfs::Shutdown();
}

void TextSceneApp::OnRender(Surface* screen)
{
    if (!screen || !title || !footer || !turned || !coloured)
        return;
    screen->Clear(kBackground);
    title->Draw(screen, kMargin, kMargin, title->GetBits());
    screen->DrawRectangle(kMargin - 1, kFooterTop - 1, kMargin + kTextWidth, kFooterTop + kFooterHeight, kFrame);
    footer->Draw(screen, kMargin, kFooterTop, footer->GetBits());
    coloured->Draw(screen, kColouredX, kColouredY, coloured->GetBits());
    turned->Draw(screen, kTurnedX, kTurnedY, kTurnedAngle, 1.0f, Point2<NorvFloat>(0, 0), turned->GetBits());
}

SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel text";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new TextSceneApp;
}
