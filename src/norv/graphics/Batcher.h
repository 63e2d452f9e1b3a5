// The interface of the drawing batcher: drawing state setters and vertex
// queues. Every 2D draw of the engine goes through the global g_batcher.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/Types.h"
#include "norv/graphics/BatcherVertex.h"
#include "norv/graphics/RectT.h"

namespace Norv {

class PixelData;

class Batcher : public RefCounter {
public:
    enum DrawingMode {
        Blend = 0,     // source alpha over
        Additive = 1,
    };
    // Any value other than Triangles draws lines.
    enum PrimitiveType {
        Triangles = 0,
        Lines = 1,
    };

    ~Batcher() override = default;

    virtual void SetSource(PixelData* source, int flags, unsigned char alpha) = 0;
    virtual void SetDestination(PixelData* destination, int flags) = 0;
    virtual void SetDrawingMode(DrawingMode mode) = 0;
    virtual void SetColorKey(bool enabled, float r, float g, float b) = 0;
    virtual void SetClipping(RectT<int> const& rect) = 0;
    virtual void SetTexturing(bool enabled) = 0;
    virtual void SetPrimitiveType(PrimitiveType type) = 0;
    // The alpha of an untextured draw, which decides blending.
    virtual void NotifyAlpha(unsigned char alpha) = 0;
    // Draws what is queued.
    virtual void Commit() = 0;
    // Called by a texture store that is being destroyed.
    virtual void DeleteNotify(PixelData* store) = 0;
    // Discards the queued batch and clears the destination's clipped area.
    virtual void Clear(NorvFloat const& r, NorvFloat const& g, NorvFloat const& b, NorvFloat const& a) = 0;
    // A single vertex continues a polyline from the previous one.
    virtual void Queue(BatcherVertex const& a) = 0;
    virtual void Queue(BatcherVertex const& a, BatcherVertex const& b) = 0;
    virtual void Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c) = 0;
    // A quad, corners in order around it.
    virtual void Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c,
                       BatcherVertex const& d) = 0;
    virtual bool SetScaling(NorvFloat const& scale);
    // Forgets GL state that code outside the batcher (the 3D scene) changed.
    virtual void ResetState() = 0;
    // Code outside the batcher drew this frame (the 3D scene): the frame
    // cannot be compared with another and is always drawn.
    virtual void NoteUntrackedDrawing() {}
};

} // namespace Norv
