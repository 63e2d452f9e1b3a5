// The batcher state of a textured draw.
#include "norv/graphics/DrawState.h"

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/Surface.h"

namespace Norv {

OpenGLBatcher* DrawingBatcher()
{
    // OpenGL set-up makes no other kind of batcher.
    return static_cast<OpenGLBatcher*>(g_batcher.Get());
}

void SetTexturedState(Batcher& batcher, Surface& destination, Surface& source, Batcher::DrawingMode mode,
                      bool honourKey)
{
    batcher.SetTexturing(true);
    batcher.SetDestination(destination.GetPixelData(), destination.QueryFlag(-1));
    batcher.SetSource(source.GetPixelData(), source.QueryFlag(-1), source.GetAlpha());
    batcher.SetClipping(destination.GetClipRect());
    batcher.SetDrawingMode(mode);
    if (honourKey && source.QueryFlag(Surface::ColorKeyed)) {
        Color const key = source.GetPixelData()->GetKeyColor();
        batcher.SetColorKey(true, key.red / 255.0f, key.green / 255.0f, key.blue / 255.0f);
    } else {
        batcher.SetColorKey(false, 0, 0, 0);
    }
    batcher.SetPrimitiveType(Batcher::Triangles);
}

} // namespace Norv
