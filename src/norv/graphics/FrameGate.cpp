// The decision between drawing a frame and only comparing it.
#include "norv/graphics/FrameGate.h"

namespace Norv {

bool FrameGate::StartFrame()
{
    checkOnly = still;
    return checkOnly;
}

bool FrameGate::FrameDone(std::uint64_t fingerprint)
{
    if (checkOnly) {
        // A frame that would look different was not drawn: the next is.
        if (fingerprint != presented)
            still = false;
        return false;
    }
    still = havePresented && fingerprint == presented;
    presented = fingerprint;
    havePresented = true;
    return true;
}

} // namespace Norv
