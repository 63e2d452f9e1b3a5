// Reading the resting wheel. The camera looks at the wheel almost from
// above, so round the hub the picture keeps the wheel's angles within a few
// degrees. The arm pivots on its yellow post below the rim; a peg pushes it
// only from behind, the way the wheel turns, so the arm counts the segment
// ahead of a peg that stands close behind its tip.
#include "tests/qrvl/main/WheelReader.h"

#include "tests/qrvl/main/GameWindowFixture.h"

#include "WheelScene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace GameWindow {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kNumbers = 10;
// The post's yellow top, where the wheel view puts it, and how far round
// that point (and the hub's) they are looked for.
constexpr Rgb kPostYellow = {0xff, 0xd9, 0x3d};
constexpr int kPostX = 511, kPostY = 472;
constexpr int kSearch = 24;
// The hub's white disc reaches about an eighth of the way from the hub to
// the post; its yellow ring, further out, is not white.
constexpr double kHubShare = 0.2;
constexpr int kHubPasses = 3;
// The arm is drawn unlit in one red.
constexpr Rgb kArmRed = {0xff, 0x4d, 0x4d};
constexpr int kExactTolerance = 12;
// The segments are read on a ring between the hub and the numbers, at this
// share of the distance from the hub to the post (whatever the camera's
// zoom), where the face is painted this far towards white.
constexpr double kRingShare = 0.3;
constexpr int kRingSamples = 720;
constexpr double kRingWhite = 0.15;
// A peg touches the arm about a degree before it passes under it and
// never stands ahead of the arm's tip closer than about eleven: the arm
// is read this far ahead of its tip.
constexpr double kLeadRadians = 5.0 * kPi / 180.0;

struct Point {
    double x = 0.0, y = 0.0;
    int count = 0;
    void Add(int px, int py)
    {
        x += px;
        y += py;
        ++count;
    }
    Point Mean() const { return {x / count, y / count, count}; }
};

bool Whitish(Rgb const& c)
{
    int const low = std::min({c.red, c.green, c.blue});
    int const high = std::max({c.red, c.green, c.blue});
    return low > 180 && high - low < 30;
}

// A colour as a direction, so that shading leaves it alone.
std::array<double, 3> Direction(double r, double g, double b)
{
    double const length = std::sqrt(r * r + g * g + b * b);
    if (length <= 0.0)
        return {0.0, 0.0, 0.0};
    return {r / length, g / length, b / length};
}

double Angle(double x, double y)
{
    double const a = std::atan2(y, x);
    return a < 0.0 ? a + 2.0 * kPi : a;
}

// The middle of the pixels within `within` of (x, y) that pass the test.
template <typename Test> Point Middle(NorvTest::Image const& frame, double x, double y, double within, Test test)
{
    Point found;
    for (int row = int(y - within); row <= int(y + within); ++row)
        for (int column = int(x - within); column <= int(x + within); ++column)
            if (std::hypot(column - x, row - y) < within && test(frame.Pixel(column, row)))
                found.Add(column, row);
    return found.count > 0 ? found.Mean() : found;
}

// The angle round the hub of the tip of the arm that reaches from the post
// towards it; negative when no arm is seen.
double ArmTip(NorvTest::Image const& frame, Point const& hub, Point const& post)
{
    double const reach = std::hypot(post.x - hub.x, post.y - hub.y);
    std::vector<Point> arm;
    Point middle;
    for (int y = int(hub.y); y <= int(post.y); ++y)
        for (int x = int(hub.x - reach); x <= int(hub.x + reach); ++x)
            if (NorvTest::SameColour(frame.Pixel(x, y), kArmRed, kExactTolerance)
                && std::hypot(x - post.x, y - post.y) < reach) {
                arm.push_back({double(x), double(y), 1});
                middle.Add(x, y);
            }
    if (arm.empty())
        return -1.0;
    middle = middle.Mean();
    double const length = std::hypot(middle.x - post.x, middle.y - post.y);
    double const axisX = (middle.x - post.x) / length, axisY = (middle.y - post.y) / length;
    double tip = 0.0;
    for (Point const& p : arm)
        tip = std::max(tip, (p.x - post.x) * axisX + (p.y - post.y) * axisY);
    return Angle(post.x + axisX * tip - hub.x, post.y + axisY * tip - hub.y);
}

// The number (0 to 9) whose painted colour each sample of a ring round the
// hub is nearest; white (a line between segments) counts as the number
// before it.
std::vector<int> RingNumbers(NorvTest::Image const& frame, Point const& hub, double radius)
{
    std::array<std::array<double, 3>, kNumbers> painted;
    for (int number = 1; number <= kNumbers; ++number) {
        uint32_t const colour = WheelSegmentColour(number);
        auto channel = [&](int shift) {
            return double((colour >> shift) & 0xff) * (1.0 - kRingWhite) + 255.0 * kRingWhite;
        };
        painted[number - 1] = Direction(channel(16), channel(8), channel(0));
    }
    std::vector<int> seen(kRingSamples, -1);
    for (int i = 0; i < kRingSamples; ++i) {
        double const a = 2.0 * kPi * i / kRingSamples;
        Rgb const c =
            frame.Pixel(int(std::lround(hub.x + radius * std::cos(a))), int(std::lround(hub.y + radius * std::sin(a))));
        if (Whitish(c))
            continue;
        std::array<double, 3> const d = Direction(c.red, c.green, c.blue);
        double best = -1.0;
        for (int n = 0; n < kNumbers; ++n) {
            double const dot = d[0] * painted[n][0] + d[1] * painted[n][1] + d[2] * painted[n][2];
            if (dot > best) {
                best = dot;
                seen[i] = n;
            }
        }
    }
    for (int i = 0; i < 2 * kRingSamples; ++i)
        if (seen[i % kRingSamples] < 0)
            seen[i % kRingSamples] = seen[(i + kRingSamples - 1) % kRingSamples];
    return seen;
}

} // namespace

WheelReading ReadRestingWheel(NorvTest::Image const& frame, bool clockwise)
{
    Point const post = Middle(frame, kPostX, kPostY, kSearch,
                              [](Rgb const& c) { return NorvTest::SameColour(c, kPostYellow, kExactTolerance); });
    if (post.count == 0)
        return {};
    // The hub's white disc, looked for again round each new guess of its
    // middle so that no side of it is cut off.
    Point hub = {double(kHubX), double(kHubY), 1};
    for (int pass = 0; pass < kHubPasses && hub.count > 0; ++pass)
        hub = Middle(frame, hub.x, hub.y, kHubShare * std::hypot(post.x - hub.x, post.y - hub.y), Whitish);
    double const tip = hub.count > 0 ? ArmTip(frame, hub, post) : -1.0;
    if (tip < 0.0)
        return {};

    // Where each number's segment crosses the ring: its longest run of
    // samples.
    std::vector<int> const seen = RingNumbers(frame, hub, kRingShare * std::hypot(post.x - hub.x, post.y - hub.y));
    if (seen[0] < 0)
        return {};
    std::array<int, kNumbers> runStart{}, runLength{};
    int begin = 0;
    while (begin < kRingSamples && seen[begin] == seen[(begin + kRingSamples - 1) % kRingSamples])
        ++begin;
    for (int i = 0; i < kRingSamples;) {
        int const from = (begin + i) % kRingSamples;
        int length = 1;
        while (length < kRingSamples && seen[(from + length) % kRingSamples] == seen[from])
            ++length;
        if (length > runLength[seen[from]]) {
            runLength[seen[from]] = length;
            runStart[seen[from]] = from;
        }
        i += length;
    }
    double const read = std::fmod(tip + (clockwise ? kLeadRadians : -kLeadRadians) + 2.0 * kPi, 2.0 * kPi);
    int const at = int(std::lround(read / (2.0 * kPi) * kRingSamples)) % kRingSamples;
    for (int n = 0; n < kNumbers; ++n) {
        int const into = (at - runStart[n] + kRingSamples) % kRingSamples;
        if (runLength[n] > 0 && into < runLength[n])
            return {n + 1, std::min(into, runLength[n] - into) * 360.0 / kRingSamples};
    }
    return {};
}

} // namespace GameWindow
