// Default behaviour of a pixel store that holds no accessible pixels.
#include "norv/graphics/PixelData.h"

namespace Norv {

Color PixelData::GetPixel(int, int) const
{
    return Color(0, 0, 0, 255);
}

void PixelData::PutPixel(int, int, Color const&) {}

unsigned char* PixelData::GetData()
{
    return nullptr;
}

unsigned char const* PixelData::GetData() const
{
    return nullptr;
}

void PixelData::ReleaseData() {}

float PixelData::GetScaleX() const
{
    return 1.0f;
}

float PixelData::GetScaleY() const
{
    return 1.0f;
}

int PixelData::GetType() const
{
    return TypeBase;
}

void PixelData::ResetIdle() {}

} // namespace Norv
