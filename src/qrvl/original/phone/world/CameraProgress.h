// Whether the board camera has arrived at its shot; the wheel takes no drag
// while the camera still moves.
#pragma once

class CameraProgress {
public:
    virtual ~CameraProgress() = default;
    virtual bool DestinationReached() const = 0;
};
