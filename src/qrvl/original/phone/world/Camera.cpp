// The camera's position is its matrix's translation.
#include "qrvl/original/phone/world/Camera.h"

#include "qrvl/original/phone/world/MatrixUtil.h"

void Camera::MoveTo(PVRTVec3 const& position)
{
    Util::SetPos(matrix, position);
}

PVRTVec3 Camera::GetPosition() const
{
    return Util::GetPos(matrix);
}
