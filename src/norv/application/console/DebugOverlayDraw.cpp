// The developer console's drawing: the console panel, the read-outs, the
// activity marks, the plots and the error screen.
#include "norv/application/console/DebugOverlay.h"

#include "norv/application/console/ConsoleText.h"
#include "norv/base/AssetDict.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/text/Typesetter.h"
#include "norv/network/Network.h"
#include "norv/vfs/posix/PosixFile.h"

#include <algorithm>
#include <cstdio>

namespace Norv {

namespace {

// The console's own font, a small plain face that keeps long listings legible.
char const kFontDefinition[] = "fonts/arial_small.xml";
char const kFontSheet[] = "fonts/arial_small.png";
// Line height when the font could not be read.
constexpr int kFallbackLineHeight = 16;
// The open console covers this part of the screen's height.
constexpr int kPanelPercent = 60;
constexpr int kMargin = 4;
// The plots share a band of this height at the foot of the screen.
constexpr int kPlotBandHeight = 64;
// The activity marks: a square for the disk, one for the network.
constexpr int kMarkSize = 10;
Color const kPanel(0, 0, 0, 200);
Color const kText(220, 230, 220);
Color const kPrompt(255, 220, 90);
Color const kReadout(255, 255, 120);
Color const kDiskBusy(255, 140, 40);
Color const kNetBusy(60, 200, 255);
Color const kIdleMark(70, 70, 70);
Color const kErrorBackground(0, 0, 0);
Color const kErrorText(255, 40, 30);
char const kErrorTitle[] = "GURU MEDITATION";

} // namespace

FontEx* DebugOverlay::Font()
{
    if (!fontTried) {
        fontTried = true;
        if (g_assetDict)
            font = g_assetDict->Get<FontEx>(kFontDefinition, false);
        else
            font = new FontEx(kFontDefinition, kFontSheet);
        if (!font || font->GetGlyphCount() == 0)
            std::fprintf(stderr, "DebugOverlay: no font %s; the console draws no text\n", kFontDefinition);
    }
    return font.Get();
}

int DebugOverlay::LineHeight()
{
    FontEx* const face = Font();
    return face && face->GetHeight() > 0 ? face->GetHeight() : kFallbackLineHeight;
}

void DebugOverlay::Draw(Surface* surface)
{
    if (!surface)
        return;
    if (g_debugOverlayException) {
        DrawError(surface);
        return;
    }
    if (s_consoleEnabled)
        DrawConsole(surface);
    DrawReadouts(surface);
    DrawPlots(surface);
}

void DebugOverlay::DrawConsole(Surface* surface)
{
    FontEx* const face = Font();
    int const lineHeight = LineHeight();
    int const panelBottom = surface->GetHeight() * kPanelPercent / 100;
    surface->DrawFilledRectangle(0, 0, surface->GetWidth() - 1, panelBottom, kPanel);

    // The command line sits at the panel's foot with the output above it.
    int y = panelBottom - kMargin - lineHeight;
    NarrowString prompt = "> " + commandLine;
    if (blinkPhase < 0)
        prompt += "_";
    DrawConsoleText(surface, face, prompt, kMargin, y, kPrompt);

    auto const offset = static_cast<std::size_t>(viewOffset);
    int index = static_cast<int>(lines.size()) - 1 - scrollOffset;
    for (y -= lineHeight; index >= 0 && y + lineHeight > 0; --index, y -= lineHeight) {
        NarrowString const& line = lines[static_cast<std::size_t>(index)];
        if (offset < line.size())
            DrawConsoleText(surface, face, line.substr(offset), kMargin, y, kText);
    }
}

void DebugOverlay::DrawReadouts(Surface* surface)
{
    std::vector<NarrowString> readouts;
    char text[64];
    if (plotsOn[FpsPlot]) {
        std::snprintf(text, sizeof text, "FPS: %i", static_cast<int>(fpsCounter.fps));
        readouts.emplace_back(text);
    }
    if (plotsOn[MemPlot]) {
        std::snprintf(text, sizeof text, "MEM: %iKB", static_cast<int>(GetMem()));
        readouts.emplace_back(text);
    }
    if (plotsOn[VideoMemPlot]) {
        std::snprintf(text, sizeof text, "VRAM: %iKB", static_cast<int>(GetVideoMem()));
        readouts.emplace_back(text);
    }
    if (batcherStats) {
        std::snprintf(text, sizeof text, "%5i", lastCommits);
        readouts.emplace_back(text);
    }

    FontEx* const face = readouts.empty() ? nullptr : Font();
    int const lineHeight = LineHeight();
    int const right = surface->GetWidth() - kMargin;
    int y = kMargin;
    for (NarrowString const& readout : readouts) {
        int const width = face ? Text::Typesetter().CalcWidthPlain(WideString(readout), face) : 0;
        DrawConsoleText(surface, face, readout, right - width, y, kReadout);
        y += lineHeight;
    }

    if (floppy) {
        int const x = right - 2 * kMarkSize - kMargin;
        surface->DrawFilledRectangle(x, y, x + kMarkSize - 1, y + kMarkSize - 1, g_vfsAccess ? kDiskBusy : kIdleMark);
        int const netX = x + kMarkSize + kMargin;
        surface->DrawFilledRectangle(netX, y, netX + kMarkSize - 1, y + kMarkSize - 1,
                                     g_netAccess ? kNetBusy : kIdleMark);
        g_vfsAccess = false;
        g_netAccess = false;
    }
}

void DebugOverlay::DrawPlots(Surface* surface)
{
    int const shown = static_cast<int>(std::count(plotsOn.begin(), plotsOn.end(), true));
    if (shown == 0)
        return;
    int const width = (surface->GetWidth() - kMargin * (shown + 1)) / shown;
    int const top = surface->GetHeight() - kMargin - kPlotBandHeight;
    int x = kMargin;
    for (int kind = 0; kind < PlotCount; ++kind) {
        if (!plotsOn[kind])
            continue;
        plots[kind]->SetLabelFont(Font());
        plots[kind]->Draw(surface, RectT<int>(x, top, width, kPlotBandHeight));
        x += width + kMargin;
    }
}

void DebugOverlay::DrawError(Surface* surface)
{
    surface->Clear(kErrorBackground);
    FontEx* const face = Font();
    int const lineHeight = LineHeight();
    int y = kMargin;
    DrawConsoleText(surface, face, kErrorTitle, kMargin, y, kErrorText);
    std::size_t start = 0;
    while (start <= g_debugOverlayExceptionMsg.size()) {
        std::size_t const end = std::min(g_debugOverlayExceptionMsg.find('\n', start), g_debugOverlayExceptionMsg.size());
        y += lineHeight;
        DrawConsoleText(surface, face, g_debugOverlayExceptionMsg.substr(start, end - start), kMargin, y, kErrorText);
        start = end + 1;
    }
}

} // namespace Norv
