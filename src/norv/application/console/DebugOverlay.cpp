// The developer console: state, commands, input and the remote clients.
// Its drawing lives in DebugOverlayDraw.cpp.
#include "norv/application/console/DebugOverlay.h"

#include "norv/application/AbstractApp.h"
#include "norv/application/EngineSingletons.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/console/ConsoleKeys.h"
#include "norv/application/console/ConsoleListings.h"
#include "norv/application/console/RemoteConsole.h"
#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/OpenGL.h"
#include "norv/system/MemoryStatistics.h"
#include "norv/system/NorvStrtod.h"
#include "norv/vfs/posix/PosixFile.h"

#include <algorithm>
#include <cstdlib>

namespace Norv {

bool g_debugOverlayException = false;
NarrowString g_debugOverlayExceptionMsg;
bool DebugOverlay::s_consoleEnabled = false;

namespace {

// The console whose frame counter GetFps reads.
DebugOverlay* s_instance = nullptr;

// Lines one press of a scroll key or one wheel notch moves.
constexpr int kScrollPage = 20;
// Characters one press of a sideways key moves the view.
constexpr int kViewStep = 10;
// Pixels of drag per line scrolled.
constexpr int kDragPixelsPerLine = 7;
// A flick adds its speed every interval and slows down by the factor; each
// kFlickUnitsPerLine scroll one line, until the speed is negligible.
constexpr NorvFloat kFlickInterval = 0.1f;
constexpr NorvFloat kFlickDecay = 0.8f;
constexpr NorvFloat kFlickUnitsPerLine = 2.0f;
constexpr NorvFloat kFlickStopSpeed = 0.1f;
constexpr int kBytesPerKilobyte = 1024;
// Touch ids of the mouse: the left button and the wheel.
constexpr int kTouchDrag = 0;
constexpr int kTouchWheelUp = 3;
constexpr int kTouchWheelDown = 4;

char const* const kHelp[] = {
    "1. assets: show managed assets",
    "           star denotes held asset",
    "2. reglist: lists registry keys",
    "3. regcallbacks: lists registry callbacks",
    "regset reg/path value: sets registry key",
    "4. logging: switch NORV_MSG logging",
    "5. texts: show text dictionary",
    "6. plot: show / hide all debug plots",
    "  61. plot f: show / hide fps plot",
    "  62. plot m: show / hide memory plot",
    "  63. plot v: show / hide video memory plot",
    "7. exit: close application",
    "8. floppy: show disk access indicator",
    "9. timeskew skew: set time skew",
    "13. pool: pool allocator stats",
};

// True when the command is `word` or `number`.
bool Is(NarrowString const& command, char const* number, char const* word)
{
    return (number && command == number) || command == word;
}

// The text after `prefix` when the command starts with it.
bool After(NarrowString const& command, NarrowString const& prefix, NarrowString& rest)
{
    if (command.compare(0, prefix.size(), prefix) != 0)
        return false;
    rest = command.substr(prefix.size());
    return true;
}

// A whole number, a decimal number or the text itself.
bool SetTypedValue(Registry& registry, NarrowString const& path, NarrowString const& value)
{
    if (value == "true" || value == "false")
        return registry.Set(path, value == "true");
    char* end = nullptr;
    double const number = norvstrtod(value.c_str(), &end);
    if (end != value.c_str() && *end == '\0') {
        if (value.find('.') == NarrowString::npos && number >= INT32_MIN && number <= INT32_MAX)
            return registry.Set(path, static_cast<int>(number));
        return registry.Set(path, static_cast<float>(number));
    }
    return registry.Set(path, value);
}

} // namespace

DebugOverlay* DebugOverlay::Create()
{
    DebugOverlay* overlay = new DebugOverlay;
    EngineSingletons::InstallConsole(overlay);
    return overlay;
}

DebugOverlay::DebugOverlay()
{
    for (char const* line : kHelp)
        AddHelpLine(line);
    plots[FpsPlot] = new DebugPlot(&Norv::GetFps);
    plots[MemPlot] = new DebugPlot(&GetMem);
    plots[VideoMemPlot] = new DebugPlot(&GetVideoMem);
    plots[CommitsPlot] = new DebugPlot(&GetBatcherCommits);
    plotsOn.fill(false);
    s_instance = this;
}

DebugOverlay::~DebugOverlay()
{
    remote.reset();
    if (s_instance == this)
        s_instance = nullptr;
}

void DebugOverlay::SetConsole(bool enabled)
{
    s_consoleEnabled = enabled;
    EngineSingletons::Mixer().Pause(MixerPauseHook::PauseConsole, enabled);
}

bool DebugOverlay::Update(NorvFloat const& dt)
{
    fpsCounter.Update(dt);
    for (int kind = 0; kind < PlotCount; ++kind) {
        if (plotsOn[kind])
            plots[kind]->Update(dt);
    }
    lastCommits = g_batcherCommits;
    g_batcherCommits = 0;

    if (remote) {
        remote->Update([this](NarrowString const& line, Connection* from) { Execute(line, from); },
                       [this](NarrowString const& text) { AddLine(text); });
    }
    UpdateFlick(dt);
    blinkPhase += dt;
    while (blinkPhase > 0.5f)
        blinkPhase -= 1.0f;
    return s_consoleEnabled || g_debugOverlayException;
}

DebugOverlay::Route DebugOverlay::RouteEvent(bool dismissesError)
{
    if (g_debugOverlayException) {
        if (dismissesError)
            g_debugOverlayException = false;
        return Route::Dropped;
    }
    return s_consoleEnabled ? Route::Console : Route::Game;
}

bool DebugOverlay::KeyPress(KeyCode key)
{
    Route const route = RouteEvent(true);
    if (route != Route::Dropped && key == KEY_TILDE) {
        SetConsole(!s_consoleEnabled);
        return true;
    }
    if (route == Route::Console)
        OnKeyDown(key);
    return route != Route::Game;
}

bool DebugOverlay::KeyRelease(KeyCode key)
{
    Route const route = RouteEvent(false);
    if (key == KEY_TILDE)
        return true;
    if (route == Route::Console)
        OnKeyUp(key);
    return route != Route::Game;
}

bool DebugOverlay::TouchDown(int x, int y, int id)
{
    Route const route = RouteEvent(true);
    if (route == Route::Console)
        OnMouseDown(x, y, id);
    return route != Route::Game;
}

bool DebugOverlay::TouchUp(int x, int y, int id)
{
    Route const route = RouteEvent(false);
    if (route == Route::Console)
        OnMouseUp(x, y, id);
    return route != Route::Game;
}

bool DebugOverlay::TouchMove(int x, int y, int id)
{
    Route const route = RouteEvent(false);
    if (route == Route::Console)
        OnMouseMove(x, y, id);
    return route != Route::Game;
}

void DebugOverlay::OnKeyDown(KeyCode key)
{
    if (char const typed = ConsoleKeyCharacter(key, shift)) {
        commandLine += typed;
        return;
    }
    switch (key) {
    case KEY_SELECT: {
        NarrowString const line = commandLine;
        commandLine.clear();
        if (!line.empty())
            history.push_back(line);
        historyIndex = history.size();
        AddLine("> " + line);
        Execute(line);
        break;
    }
    case KEY_BACK:
        if (!commandLine.empty())
            commandLine.pop_back();
        break;
    case KEY_UP:
        StepHistory(-1);
        break;
    case KEY_DOWN:
        StepHistory(1);
        break;
    case KEY_LEFT:
        viewOffset = std::max(0, viewOffset - kViewStep);
        break;
    case KEY_RIGHT:
        viewOffset += kViewStep;
        break;
    case KEY_VOLUME_UP:
        ScrollBy(-kScrollPage);
        break;
    case KEY_VOLUME_DOWN:
        ScrollBy(kScrollPage);
        break;
    case KEY_SHIFT:
        shift = true;
        break;
    default:
        break;
    }
}

void DebugOverlay::OnKeyUp(KeyCode key)
{
    if (key == KEY_SHIFT)
        shift = false;
}

// Past the newest entry the line is empty again.
void DebugOverlay::StepHistory(int step)
{
    if (history.empty())
        return;
    if (step < 0 && historyIndex > 0)
        --historyIndex;
    else if (step > 0 && historyIndex < history.size())
        ++historyIndex;
    commandLine = historyIndex < history.size() ? history[historyIndex] : NarrowString();
}

// The view never scrolls past the oldest line.
void DebugOverlay::ScrollBy(int lineCount)
{
    int const oldest = std::max(0, static_cast<int>(lines.size()) - 1);
    scrollOffset = std::clamp(scrollOffset + lineCount, 0, oldest);
}

void DebugOverlay::OnMouseDown(int, int y, int id)
{
    if (id == kTouchWheelDown) {
        ScrollBy(-kScrollPage);
    } else if (id == kTouchWheelUp) {
        ScrollBy(kScrollPage);
    } else if (id == kTouchDrag) {
        dragging = true;
        lastDragY = y;
        dragStep = 0;
        dragRemainder = 0;
        flickSpeed = 0;
    }
}

void DebugOverlay::OnMouseMove(int, int y, int id)
{
    if (!dragging || id != kTouchDrag)
        return;
    dragStep = y - lastDragY;
    lastDragY = y;
    dragRemainder += dragStep;
    int const whole = dragRemainder / kDragPixelsPerLine;
    dragRemainder -= whole * kDragPixelsPerLine;
    ScrollBy(whole);
}

void DebugOverlay::OnMouseUp(int, int, int id)
{
    if (!dragging || id != kTouchDrag)
        return;
    dragging = false;
    flickSpeed = static_cast<NorvFloat>(dragStep);
    flickTime = 0;
    flickOffset = 0;
}

void DebugOverlay::UpdateFlick(NorvFloat const& dt)
{
    if (dragging || std::abs(flickSpeed) <= kFlickStopSpeed)
        return;
    flickTime += dt;
    while (flickTime >= kFlickInterval && std::abs(flickSpeed) > kFlickStopSpeed) {
        flickTime -= kFlickInterval;
        flickOffset += flickSpeed;
        int const whole = static_cast<int>(flickOffset / kFlickUnitsPerLine);
        flickOffset -= static_cast<NorvFloat>(whole) * kFlickUnitsPerLine;
        ScrollBy(whole);
        flickSpeed *= kFlickDecay;
    }
}

void DebugOverlay::AddLine(NarrowString const& text, Connection* to)
{
    std::size_t start = 0;
    for (;;) {
        std::size_t const end = text.find('\n', start);
        NarrowString const piece = text.substr(start, end == NarrowString::npos ? NarrowString::npos : end - start);
        if (to) {
            to->Reply(piece);
        } else {
            lines.push_back(piece);
            // A view scrolled back stays on the lines it shows.
            if (scrollOffset > 0)
                ++scrollOffset;
        }
        if (end == NarrowString::npos)
            break;
        start = end + 1;
    }
}

void DebugOverlay::AddHelpLine(NarrowString const& text)
{
    helpLines.push_back(text);
}

void DebugOverlay::MaybeLog(NarrowString const& text)
{
    if (logging)
        AddLine(text);
}

void DebugOverlay::AddFunction(NarrowString const& name, Function function, void* user)
{
    functions[name] = Registered{function, user};
}

void DebugOverlay::RemoveFunction(NarrowString const& name)
{
    functions.erase(name);
}

void DebugOverlay::Execute(NarrowString const& command, Connection* from)
{
    if (RunBuiltIn(command, from))
        return;
    std::size_t const blank = command.find(' ');
    NarrowString const name = command.substr(0, blank);
    NarrowString const argument = blank == NarrowString::npos ? NarrowString() : command.substr(blank + 1);
    auto const found = functions.find(name);
    if (found == functions.end()) {
        AddLine("Unknown command", from);
        return;
    }
    found->second.function(found->second.user, argument, from);
}

bool DebugOverlay::RunBuiltIn(NarrowString const& command, Connection* from)
{
    NarrowString argument;
    if (command.empty() || command == "help") {
        for (NarrowString const& line : helpLines)
            AddLine(line, from);
    } else if (Is(command, "1", "assets")) {
        AddLine(g_assetDict ? ListAssets(*g_assetDict) : "AssetDict not available", from);
    } else if (Is(command, "2", "reglist")) {
        AddLine(g_registry ? ListRegistry(*g_registry) : "Registry not available", from);
    } else if (Is(command, "3", "regcallbacks")) {
        if (g_registry) {
            NarrowString const listing = ListRegistryCallbacks(*g_registry);
            if (!listing.empty())
                AddLine(listing, from);
        } else {
            AddLine("Registry not available", from);
        }
    } else if (After(command, "regset ", argument)) {
        SetRegistryValue(argument, from);
    } else if (Is(command, "4", "logging")) {
        if (from) {
            AddLine("NORV_MSG logging not available on remote connections", from);
        } else {
            logging = !logging;
            AddLine(logging ? "Logging enabled" : "Logging disabled");
        }
    } else if (Is(command, "5", "texts")) {
        AddLine(g_textDict ? ListTexts(*g_textDict) : "TextDict not available", from);
    } else if (Is(command, "6", "plot")) {
        bool const anyOff = std::find(plotsOn.begin(), plotsOn.end(), false) != plotsOn.end();
        for (int kind = 0; kind < PlotCount; ++kind)
            EnablePlot(static_cast<PlotKind>(kind), anyOff);
    } else if (Is(command, "61", "plot f")) {
        TogglePlot(FpsPlot);
    } else if (Is(command, "62", "plot m")) {
        TogglePlot(MemPlot);
    } else if (Is(command, "63", "plot v")) {
        TogglePlot(VideoMemPlot);
    } else if (Is(command, "64", "plot b")) {
        TogglePlot(CommitsPlot);
    } else if (Is(command, "7", "exit")) {
        if (AbstractApp::s_application)
            AbstractApp::s_application->Exit();
    } else if (Is(command, "8", "floppy")) {
        EnableFloppy(!floppy);
        g_vfsAccess = false;
    } else if (After(command, "9 ", argument) || After(command, "timeskew ", argument)) {
        SetTimeSkew(argument);
    } else if (Is(command, "13", "pool")) {
        EnablePoolStats(!poolStats);
    } else {
        return false;
    }
    return true;
}

void DebugOverlay::SetRegistryValue(NarrowString const& argument, Connection* from)
{
    std::size_t const blank = argument.find(' ');
    if (argument.empty() || blank == 0 || blank == NarrowString::npos) {
        AddLine("Bad params", from);
        return;
    }
    NarrowString const path = argument.substr(0, blank);
    NarrowString const value = argument.substr(blank + 1);
    if (value.empty()) {
        AddLine("Empty value", from);
    } else if (!g_registry) {
        AddLine("Registry not available", from);
    } else if (path[0] != '/' || path.back() == '/' || !g_registry->GetNode(path, true, true)) {
        AddLine("Bad registry path", from);
    } else if (!SetTypedValue(*g_registry, path, value)) {
        AddLine("Setting registry value failed", from);
    }
}

// A skew below 0 would run the game backwards in time; it stops it instead.
void DebugOverlay::SetTimeSkew(NarrowString const& value)
{
    float const skew = static_cast<float>(norvstrtod(value.c_str(), nullptr));
    g_timeSkew = skew > 0 ? skew : 0.0f;
}

void DebugOverlay::EnablePlot(PlotKind kind, bool on)
{
    if (on && !plotsOn[kind])
        plots[kind]->Reset();
    plotsOn[kind] = on;
}

void DebugOverlay::TogglePlot(PlotKind kind)
{
    EnablePlot(kind, !plotsOn[kind]);
}

void DebugOverlay::EnableFpsPlot(bool on)
{
    EnablePlot(FpsPlot, on);
}

void DebugOverlay::EnableMemPlot(bool on)
{
    EnablePlot(MemPlot, on);
}

void DebugOverlay::EnableVideoMemPlot(bool on)
{
    EnablePlot(VideoMemPlot, on);
}

void DebugOverlay::EnableBatcherCommitsPlot(bool on)
{
    EnablePlot(CommitsPlot, on);
}

void DebugOverlay::EnableFloppy(bool on)
{
    floppy = on;
}

void DebugOverlay::EnableBatcherStats(bool on)
{
    batcherStats = on;
}

void DebugOverlay::EnablePoolStats(bool on)
{
    poolStats = on;
}

bool DebugOverlay::EnableNetworkAccess(Ip4 address, unsigned short port)
{
    auto listening = std::make_unique<RemoteConsole>();
    if (!listening->Listen(address, port))
        return false;
    remote = std::move(listening);
    return true;
}

unsigned short DebugOverlay::GetRemotePort() const
{
    return remote ? remote->GetPort() : 0;
}

NorvFloat GetFps()
{
    return s_instance ? s_instance->GetFps() : 0;
}

NorvFloat GetMem()
{
    return static_cast<NorvFloat>(GetMemoryUsage() / kBytesPerKilobyte);
}

NorvFloat GetVideoMem()
{
    return static_cast<NorvFloat>(GetVideoMemoryUsage() / kBytesPerKilobyte);
}

NorvFloat GetBatcherCommits()
{
    return static_cast<NorvFloat>(g_batcherCommits);
}

} // namespace Norv
