// Colour and opacity textures drawn as one image.
#include "norv/graphics/PixelDataComposite.h"

namespace Norv {

PixelDataComposite::PixelDataComposite(PixelDataGL* colourTexture, PixelDataGL* alphaTexture)
    : colour(colourTexture), alpha(alphaTexture)
{
    width = colour->GetWidth();
    height = colour->GetHeight();
    pitch = colour->GetPitch();
    // The second texture always brings opacity, so the image is drawn blended.
    format = RGBA8888;
    keyColor = colour->GetKeyColor();
}

float PixelDataComposite::GetScaleX() const
{
    return colour->GetScaleX();
}

float PixelDataComposite::GetScaleY() const
{
    return colour->GetScaleY();
}

int PixelDataComposite::GetType() const
{
    return TypeComposite;
}

void PixelDataComposite::ResetIdle()
{
    colour->ResetIdle();
    alpha->ResetIdle();
}

void PixelDataComposite::Reload(int flags)
{
    colour->Reload(flags);
    alpha->Reload(flags);
}

} // namespace Norv
