// Screen pictures through Xlib's XGetImage on the root window.
#include "tests/harness/FrameGrabber.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace NorvTest {

namespace {

// How far right a channel's mask must be shifted to read it as 0-255.
int ShiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask > 0xff) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

struct FrameGrabber::Connection {
    Display* display = nullptr;
};

FrameGrabber::FrameGrabber()
    : connection(std::make_unique<Connection>())
{
    connection->display = XOpenDisplay(nullptr);
}

FrameGrabber::~FrameGrabber()
{
    if (connection->display)
        XCloseDisplay(connection->display);
}

bool FrameGrabber::Grab(int x, int y, int width, int height, Image& frame)
{
    Display* const display = connection->display;
    if (!display || width <= 0 || height <= 0)
        return false;
    XImage* const image = XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                                    static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    int const redShift = ShiftOf(image->red_mask);
    int const greenShift = ShiftOf(image->green_mask);
    int const blueShift = ShiftOf(image->blue_mask);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    // Xvfb's 24-bit screens keep a pixel in 32 bits in the machine's byte
    // order, which is read directly; other layouts pixel by pixel.
    bool const direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    std::size_t at = 0;
    for (int row = 0; row < height; ++row) {
        char const* const line = image->data + static_cast<std::ptrdiff_t>(row) * image->bytes_per_line;
        for (int column = 0; column < width; ++column) {
            std::uint32_t word = 0;
            if (direct)
                std::memcpy(&word, line + static_cast<std::ptrdiff_t>(column) * 4, 4);
            unsigned long const pixel = direct ? word : XGetPixel(image, column, row);
            rgb[at++] = static_cast<std::uint8_t>((pixel & image->red_mask) >> redShift);
            rgb[at++] = static_cast<std::uint8_t>((pixel & image->green_mask) >> greenShift);
            rgb[at++] = static_cast<std::uint8_t>((pixel & image->blue_mask) >> blueShift);
        }
    }
    XDestroyImage(image);
    frame.Assign(width, height, std::move(rgb));
    return true;
}

} // namespace NorvTest
