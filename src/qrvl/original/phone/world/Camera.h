// The board camera's view matrix, handed on by the camera controller every
// frame.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec3.h"
#include "norv/base/core/RefCounter.h"

class Camera : public Norv::RefCounter {
public:
    Camera() : matrix(PVRTMat4::Identity()) {}

    void SetCamera(PVRTMat4 const& view) { matrix = view; }
    // The inverse of the held matrix.
    PVRTMat4 GetCamera() const { return matrix.inverse(); }
    void MoveTo(PVRTVec3 const& position);
    PVRTVec3 GetPosition() const;

private:
    PVRTMat4 matrix;
};
