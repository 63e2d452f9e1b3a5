// The developer console drawn over the game: a scrolling text console with
// a command line and history, status read-outs, plots, an error screen, and
// remote access where connected clients type commands and read the output.
#pragma once

#include "norv/application/ConsoleHook.h"
#include "norv/application/FpsCounter.h"
#include "norv/application/console/DebugPlot.h"
#include "norv/application/console/RemoteConnection.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/FontEx.h"
#include "norv/network/Ip4.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace Norv {

class RemoteConsole;

// A pending error report: while set, the console shows it over everything.
extern bool g_debugOverlayException;
extern NarrowString g_debugOverlayExceptionMsg;

class DebugOverlay : public ConsoleHook {
public:
    using Connection = RemoteConnection;
    using Function = void (*)(void* user, NarrowString const& argument, Connection* from);

    // The port remote clients connect to.
    static constexpr unsigned short kRemotePort = 1337;

    // Makes the console and installs it in the application, which owns it
    // from then on; the answer is a plain back reference.
    static DebugOverlay* Create();

    DebugOverlay();
    ~DebugOverlay() override;

    // The console is open: keys and touches go to it and the game stands
    // still. Pauses the mixer's console source while open.
    static void SetConsole(bool enabled);
    static bool s_consoleEnabled;

    // ConsoleHook: routing of the application's ticks, frames and events.
    bool Update(NorvFloat const& dt) override;
    void Draw(Surface* surface) override;
    bool KeyPress(KeyCode key) override;
    bool KeyRelease(KeyCode key) override;
    bool TouchDown(int x, int y, int id) override;
    bool TouchUp(int x, int y, int id) override;
    bool TouchMove(int x, int y, int id) override;

    void OnKeyDown(KeyCode key);
    void OnKeyUp(KeyCode key);
    void OnMouseDown(int x, int y, int id);
    void OnMouseUp(int x, int y, int id);
    void OnMouseMove(int x, int y, int id);

    // Each line feed starts a new line. Without a connection the lines go
    // to the console, else back to that client.
    void AddLine(NarrowString const& text, Connection* to = nullptr);
    void AddHelpLine(NarrowString const& text);
    // AddLine while logging is switched on.
    void MaybeLog(NarrowString const& text);

    // Extra commands: the first word of a line names the function, the rest
    // is its argument.
    void AddFunction(NarrowString const& name, Function function, void* user);
    void RemoveFunction(NarrowString const& name);
    void Execute(NarrowString const& command, Connection* from = nullptr);

    void EnableFpsPlot(bool on);
    void EnableMemPlot(bool on);
    void EnableVideoMemPlot(bool on);
    void EnableBatcherCommitsPlot(bool on);
    void EnableFloppy(bool on);
    void EnableBatcherStats(bool on);
    void EnablePoolStats(bool on);
    // Listens for remote clients; on the loopback address unless the
    // program asks for another. False when it cannot listen.
    bool EnableNetworkAccess(Ip4 address = Ip4(127, 0, 0, 1), unsigned short port = kRemotePort);
    // The port listened on; 0 without remote access.
    unsigned short GetRemotePort() const;

    std::vector<NarrowString> const& GetLines() const { return lines; }
    std::vector<NarrowString> const& GetHistory() const { return history; }
    NarrowString const& GetCommandLine() const { return commandLine; }
    // Lines scrolled back from the newest; 0 shows the newest.
    int GetScrollOffset() const { return scrollOffset; }
    // Characters the view is shifted to the left.
    int GetViewOffset() const { return viewOffset; }
    NorvFloat GetFps() const { return fpsCounter.fps; }

private:
    struct Registered {
        Function function;
        void* user;
    };
    enum PlotKind { FpsPlot, MemPlot, VideoMemPlot, CommitsPlot, PlotCount };
    // Where an event goes: to the game, nowhere (an error report is on
    // show), or to the open console.
    enum class Route { Game, Dropped, Console };

    // Presses dismiss an error report; releases and moves leave it.
    static Route RouteEvent(bool dismissesError);

    bool RunBuiltIn(NarrowString const& command, Connection* from);
    void SetRegistryValue(NarrowString const& argument, Connection* from);
    void SetTimeSkew(NarrowString const& value);
    void EnablePlot(PlotKind kind, bool on);
    void TogglePlot(PlotKind kind);
    void StepHistory(int step);
    void ScrollBy(int lineCount);
    void UpdateFlick(NorvFloat const& dt);
    // The console's font, read on first use; null when it cannot be read.
    FontEx* Font();
    int LineHeight();
    void DrawReadouts(Surface* surface);
    void DrawPlots(Surface* surface);
    void DrawConsole(Surface* surface);
    void DrawError(Surface* surface);

    std::vector<NarrowString> lines;
    std::vector<NarrowString> helpLines;
    NarrowString commandLine;
    std::vector<NarrowString> history;
    std::size_t historyIndex = 0;
    int viewOffset = 0;
    int scrollOffset = 0;
    bool shift = false;

    // Dragging scrolls by whole lines; the last step becomes a flick.
    bool dragging = false;
    int lastDragY = 0;
    int dragStep = 0;
    int dragRemainder = 0;
    NorvFloat flickSpeed = 0;
    NorvFloat flickTime = 0;
    NorvFloat flickOffset = 0;

    NorvFloat blinkPhase = -0.5f;
    bool logging = false;
    SmartPtr<DebugPlot> plots[PlotCount];
    std::array<bool, PlotCount> plotsOn;
    FpsCounter fpsCounter;
    int lastCommits = 0;
    bool floppy = false;
    bool batcherStats = false;
    bool poolStats = false;
    std::map<NarrowString, Registered> functions;
    std::unique_ptr<RemoteConsole> remote;
    SmartPtr<FontEx> font;
    bool fontTried = false;
};

// Samplers of the plots.
NorvFloat GetFps();
NorvFloat GetMem();
NorvFloat GetVideoMem();
NorvFloat GetBatcherCommits();

} // namespace Norv
