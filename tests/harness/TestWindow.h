// A program's window in the X display, driven with real X input through
// xdotool and read back with screenshots.
#pragma once

#include "tests/harness/Image.h"

#include <string>
#include <utility>
#include <vector>
#include <sys/types.h>

namespace NorvTest {

// How long to wait for a window to appear.
constexpr double kWindowTimeoutSeconds = 15.0;

class TestWindow {
public:
    // Waits for a window whose name matches the regular expression (such
    // as "^Quorvel$"). False when none appears in time.
    // The window of process `owner` whose name matches: a window of an
    // earlier program may still be on the display under the same name.
    bool Find(std::string const& namePattern, pid_t owner, double timeoutSeconds = kWindowTimeoutSeconds);

    unsigned long Id() const { return id; }
    // The drawing area's size in window pixels, as X reports it now.
    bool Size(int* width, int* height) const;
    // Waits until the window is on screen at this size: SDL names a window
    // before it gives it its final size, and sizes it before it maps it,
    // while input sent to a window not yet mapped is lost.
    bool WaitForSize(int width, int height, double timeoutSeconds = 10.0);
    // The window's caption.
    std::string Name() const;

    // Mouse input in window coordinates (the X server moves the pointer at
    // once; xdotool's --sync would hang on a move to where it already is);
    // buttons 1-3 are left, middle and
    // right, 4 and 5 the wheel up and down.
    bool MouseMove(int x, int y) const;
    bool MouseDown(int button) const;
    bool MouseUp(int button) const;
    bool Click(int x, int y, int button = 1) const;
    // Presses the button at the first point, moves through the others one
    // step apart and releases it at the last, in one run of xdotool so
    // that the steps keep their pace: a flick.
    bool Drag(std::vector<std::pair<int, int>> const& points, int button, double stepSeconds) const;
    // Keys as xdotool names them, such as "alt+F4" or "Pause"; the pointer is
    // not moved, so the window must be under it or hold the keyboard.
    bool Key(std::string const& keys) const;
    // Holds a key down for a while, as a person pressing it to keep
    // something going.
    bool HoldKey(std::string const& key, double seconds) const;
    // Resizes the window as a window manager would.
    bool Resize(int width, int height) const;

    // Saves what the window shows to a PNG file.
    bool Screenshot(std::string const& path) const;
    // Where the drawing area starts on the screen. A full-screen SDL window
    // draws into an unnamed window centred on the screen, while its named
    // window stays unmapped.
    bool Origin(int* x, int* y) const;

private:
    // True when the window's program covers the screen with a window of its
    // own (an unnamed one of the screen's size).
    bool IsFullScreen() const;
    // True when the window is mapped and all its ancestors are.
    bool IsViewable() const;

    // The newest window of the owner whose name matches the pattern.
    bool Search(bool wait, double timeoutSeconds);

    std::string pattern;
    pid_t ownerPid = 0;
    unsigned long id = 0;
};

// The path of a program built into bin/ or, for test programs, tests/.
std::string ProgramPath(std::string const& name);
// A path for a test's output file (a screenshot), in the build tree's
// output/<test suite>.<test>/.
std::string OutputPath(std::string const& fileName);

} // namespace NorvTest
