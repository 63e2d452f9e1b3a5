// Decides which frames are drawn and presented and which are only compared:
// once two drawn frames in a row had the same fingerprint, the picture is
// still, and the frames after it are only fingerprinted until one differs
// (the frame after that is drawn) or the window asks for a full redraw.
#pragma once

#include <cstdint>

namespace Norv {

class FrameGate {
public:
    // Whether the coming frame is only fingerprinted; the answer holds for
    // that frame until FrameDone.
    bool StartFrame();
    // The fingerprint of the frame just made; true when it was drawn and
    // must be presented.
    bool FrameDone(std::uint64_t fingerprint);
    // The window's content was lost, or input arrived: the next frame is
    // drawn and presented whatever its fingerprint.
    void RedrawNext() { still = false; }

private:
    bool havePresented = false;
    std::uint64_t presented = 0;
    bool still = false;
    bool checkOnly = false;
};

} // namespace Norv
