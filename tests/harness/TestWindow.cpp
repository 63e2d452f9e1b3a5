// Finding and driving program windows with xdotool, and screenshots with
// ImageMagick.
#include "tests/harness/TestWindow.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace NorvTest {

namespace {

// The low bits of an X resource id; the high bits name the client that
// made the window.
constexpr unsigned long kResourceIdMask = 0x1FFFFF;

std::string WindowArgument(unsigned long id)
{
    return std::to_string(id);
}

// "Geometry: 800x600" and "Position: 0,0 (screen: 0)" from getwindowgeometry.
bool ParseGeometry(std::string const& text, char const* label, char separator, int* a, int* b)
{
    std::size_t at = text.find(label);
    if (at == std::string::npos)
        return false;
    std::istringstream line(text.substr(at + std::char_traits<char>::length(label)));
    char got = 0;
    return static_cast<bool>(line >> *a >> got >> *b) && got == separator;
}

bool GeometryOf(unsigned long window, int* width, int* height)
{
    std::string output;
    if (RunTool({"xdotool", "getwindowgeometry", WindowArgument(window)}, &output) != 0)
        return false;
    return ParseGeometry(output, "Geometry:", 'x', width, height);
}

bool DisplaySize(int* width, int* height)
{
    std::string output;
    if (RunTool({"xdotool", "getdisplaygeometry"}, &output) != 0)
        return false;
    std::istringstream size(output);
    return static_cast<bool>(size >> *width >> *height);
}

} // namespace

bool TestWindow::Find(std::string const& namePattern, pid_t owner, double timeoutSeconds)
{
    pattern = namePattern;
    ownerPid = owner;
    // The search fails outright when a window of another test closes while
    // it walks the windows, so it is asked again until time is up.
    return WaitUntil([&] { return Search(true, timeoutSeconds); }, timeoutSeconds);
}

bool TestWindow::Search(bool wait, double timeoutSeconds)
{
    std::vector<std::string> command = {"xdotool", "search"};
    if (wait)
        command.push_back("--sync");
    for (std::string const& word : {std::string("--all"), std::string("--pid"), std::to_string(ownerPid),
             std::string("--name"), pattern})
        command.push_back(word);
    std::string output;
    if (RunTool(command, &output, timeoutSeconds) != 0)
        return false;
    std::istringstream ids(output);
    unsigned long found = 0;
    while (ids >> found)
        id = found;
    return id != 0;
}

bool TestWindow::Size(int* width, int* height) const
{
    return GeometryOf(id, width, height);
}

bool TestWindow::WaitForSize(int width, int height, double timeoutSeconds)
{
    // A program may open its window twice (a refused visual is retried), so
    // the newest window of the process is looked up again on every try.
    return WaitUntil(
        [&] {
            int w = 0, h = 0;
            Search(false, timeoutSeconds);
            return Size(&w, &h) && w == width && h == height && (IsViewable() || IsFullScreen());
        },
        timeoutSeconds);
}

bool TestWindow::IsViewable() const
{
    std::string output;
    if (RunTool({"xdotool", "search", "--all", "--onlyvisible", "--pid", std::to_string(ownerPid), "--name", pattern},
                &output)
        != 0)
        return false;
    std::istringstream ids(output);
    unsigned long shown = 0;
    while (ids >> shown)
        if (shown == id)
            return true;
    return false;
}

std::string TestWindow::Name() const
{
    std::string output;
    RunTool({"xdotool", "getwindowname", WindowArgument(id)}, &output);
    while (!output.empty() && output.back() == '\n')
        output.pop_back();
    return output;
}

bool TestWindow::IsFullScreen() const
{
    std::string output;
    int screenWidth = 0, screenHeight = 0;
    if (!DisplaySize(&screenWidth, &screenHeight)
        || RunTool({"xdotool", "search", "--onlyvisible", "--name", "^$"}, &output) != 0)
        return false;
    std::istringstream ids(output);
    unsigned long unnamed = 0;
    while (ids >> unnamed) {
        int width = 0, height = 0;
        if ((unnamed & ~kResourceIdMask) == (id & ~kResourceIdMask) && GeometryOf(unnamed, &width, &height)
            && width == screenWidth && height == screenHeight)
            return true;
    }
    return false;
}

bool TestWindow::Origin(int* x, int* y) const
{
    if (!IsFullScreen()) {
        std::string output;
        if (RunTool({"xdotool", "getwindowgeometry", WindowArgument(id)}, &output) != 0)
            return false;
        return ParseGeometry(output, "Position:", ',', x, y);
    }
    int screenWidth = 0, screenHeight = 0, width = 0, height = 0;
    if (!DisplaySize(&screenWidth, &screenHeight) || !Size(&width, &height))
        return false;
    *x = (screenWidth - width) / 2;
    *y = (screenHeight - height) / 2;
    return true;
}

bool TestWindow::MouseMove(int x, int y) const
{
    if (!IsFullScreen()) {
        return RunTool({"xdotool", "mousemove", "--window", WindowArgument(id), std::to_string(x),
                        std::to_string(y)})
            == 0;
    }
    int originX = 0, originY = 0;
    if (!Origin(&originX, &originY))
        return false;
    return RunTool({"xdotool", "mousemove", std::to_string(originX + x), std::to_string(originY + y)})
        == 0;
}

bool TestWindow::MouseDown(int button) const
{
    return RunTool({"xdotool", "mousedown", std::to_string(button)}) == 0;
}

bool TestWindow::MouseUp(int button) const
{
    return RunTool({"xdotool", "mouseup", std::to_string(button)}) == 0;
}

bool TestWindow::Click(int x, int y, int button) const
{
    return MouseMove(x, y) && RunTool({"xdotool", "click", std::to_string(button)}) == 0;
}

bool TestWindow::Drag(std::vector<std::pair<int, int>> const& points, int button, double stepSeconds) const
{
    if (points.empty())
        return false;
    int originX = 0, originY = 0;
    if (!Origin(&originX, &originY))
        return false;
    std::vector<std::string> command = {"xdotool"};
    auto moveTo = [&](std::pair<int, int> const& point) {
        command.insert(command.end(), {"mousemove", std::to_string(originX + point.first),
                                       std::to_string(originY + point.second)});
    };
    moveTo(points.front());
    command.insert(command.end(), {"mousedown", std::to_string(button)});
    for (size_t i = 1; i < points.size(); ++i) {
        command.insert(command.end(), {"sleep", std::to_string(stepSeconds)});
        moveTo(points[i]);
    }
    command.insert(command.end(), {"mouseup", std::to_string(button)});
    return RunTool(command) == 0;
}

bool TestWindow::Key(std::string const& keys) const
{
    return RunTool({"xdotool", "key", keys}) == 0;
}

bool TestWindow::HoldKey(std::string const& key, double seconds) const
{
    return RunTool({"xdotool", "keydown", key, "sleep", std::to_string(seconds), "keyup", key}) == 0;
}

bool TestWindow::Resize(int width, int height) const
{
    return RunTool({"xdotool", "windowsize", "--sync", WindowArgument(id), std::to_string(width),
                    std::to_string(height)})
        == 0;
}

bool TestWindow::Screenshot(std::string const& path) const
{
    int x = 0, y = 0, width = 0, height = 0;
    if (!Origin(&x, &y) || !Size(&width, &height))
        return false;
    std::ostringstream crop;
    crop << width << 'x' << height << '+' << x << '+' << y;
    // ImageMagick's own import, by its full path: another "convert" may come
    // first on PATH, and import shares its installation.
    return RunTool({"/usr/bin/import", "-window", "root", "-crop", crop.str(), "+repage", path}) == 0;
}

std::string ProgramPath(std::string const& name)
{
    std::string const inBin = std::string(NORV_PROGRAM_DIR) + "/" + name;
    if (access(inBin.c_str(), X_OK) == 0)
        return inBin;
    return std::string(NORV_TEST_PROGRAM_DIR) + "/" + name;
}

std::string OutputPath(std::string const& fileName)
{
    // A folder for each test, as tests on different displays run at once.
    std::string folder = std::string(NORV_TEST_PROGRAM_DIR) + "/output";
    if (testing::TestInfo const* test = testing::UnitTest::GetInstance()->current_test_info()) {
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '-');
        folder += "/" + name;
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder + "/" + fileName;
}

} // namespace NorvTest
