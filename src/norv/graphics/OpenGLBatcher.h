// The OpenGL drawing batcher: collects vertices and 16-bit indices that share
// one drawing state and draws them with one glDrawElements when the state
// really changes, the index store is nearly full, or the frame ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/Batcher.h"

namespace Norv {

class OpenGLShader;
class PixelDataGL;

class OpenGLBatcher : public Batcher {
public:
    // The stores hold 16384 vertices and indices: the most a 16-bit index
    // can address, reused every frame.
    static constexpr int kMaxVertices = 16384;
    static constexpr int kMaxIndices = 16384;
    // A queue call flushes first when it would take the index count past this.
    static constexpr int kIndexLimit = 16383;

    static float m_scale;
    static float m_rscale;

    OpenGLBatcher();
    ~OpenGLBatcher() override;

    void SetSource(PixelData* source, int flags, unsigned char alpha) override;
    void SetDestination(PixelData* destination, int flags) override;
    void SetDrawingMode(DrawingMode mode) override;
    void SetColorKey(bool enabled, float r, float g, float b) override;
    void SetClipping(RectT<int> const& rect) override;
    void SetTexturing(bool enabled) override;
    void SetPrimitiveType(PrimitiveType type) override;
    void NotifyAlpha(unsigned char alpha) override;
    void Commit() override;
    void DeleteNotify(PixelData* store) override;
    void Clear(NorvFloat const& r, NorvFloat const& g, NorvFloat const& b, NorvFloat const& a) override;
    void Queue(BatcherVertex const& a) override;
    void Queue(BatcherVertex const& a, BatcherVertex const& b) override;
    void Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c) override;
    void Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c,
               BatcherVertex const& d) override;
    bool SetScaling(NorvFloat const& scale) override;
    void ResetState() override;
    void NoteUntrackedDrawing() override;

    // How the draws up to EndFrame are handled: drawn, drawn and folded into
    // the frame's fingerprint, or only folded and never drawn (GL state is
    // still set, so the cached state stays true).
    enum class FrameMode { Draw, DrawAndFingerprint, FingerprintOnly };
    void BeginFrame(FrameMode mode);
    // The fingerprint of the draws since BeginFrame and of whatever was
    // folded in since the last frame ended; the mode returns to Draw.
    std::uint64_t EndFrame();
    // Folds bytes that decide what the frame shows (texture uploads, shader
    // uniforms) into the fingerprint.
    void Fold(void const* bytes, std::size_t size);

    // A program of the caller's (post-processes), current at once so that
    // its uniforms can be set; null returns to the built-in programs.
    void SetShader(OpenGLShader* shader);
    // Forgets which program GL has: the next draw enables the state's own.
    void Rebind();
    // The state's program; a built-in one is enabled by the next draw.
    void SwitchShader(OpenGLShader* shader);
    void SetupProjection(unsigned width, unsigned height, bool shaders, unsigned framebuffer, OpenGLShader* shader,
                         float scale);

    bool UsesShaders() const { return shadersInUse; }
    int GetQueuedVertexCount() const { return vertexCount; }
    int GetQueuedIndexCount() const { return indexCount; }

private:
    void LoadShaders();
    void StartPrograms();
    void SetupArrays();
    void DiscardBatch();
    bool DestinationIsScreen() const;
    // The built-in program for textured drawing of the current source.
    OpenGLShader* TexturingProgram() const;
    // The built-in program for the whole current state.
    OpenGLShader* BuiltInProgram() const;
    // The program the queued batch is drawn with.
    OpenGLShader* BatchProgram() const;
    // Makes the program GL's current one, with the destination's
    // projection, unless it already is; false when it does not build.
    bool Bind(OpenGLShader* shader);
    // A new destination or scale: the fixed-function matrices change now,
    // a program's uniform when the next draw binds it.
    void ApplyProjection();
    void SetBlending(bool on);
    void ReserveIndices(int count);
    std::uint16_t Append(BatcherVertex const& vertex);
    void SetCompositeCombiners();
    void ResetCompositeCombiners();

    PixelDataGL* destination = nullptr;
    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;
    std::unique_ptr<BatcherVertex[]> vertices;
    std::unique_ptr<std::uint16_t[]> indices;
    int vertexCount = 0;
    int indexCount = 0;
    // Whether a queued vertex has a colour other than opaque white.
    bool tinted = false;
    unsigned currentTexture = 0;
    unsigned currentFrameBuffer = 0;
    DrawingMode drawingMode = Blend;
    bool blending = false;
    bool composite = false;
    bool colorKey = false;
    bool alphaOnly = false;
    float keyRed = 0;
    float keyGreen = 0;
    float keyBlue = 0;
    int clipX = 0;
    int clipY = 0;
    int clipWidth = 0;
    int clipHeight = 0;
    int destinationHeight = 0;
    int destinationWidth = 0;
    bool texturing = false;
    PrimitiveType primitiveType = Triangles;
    bool shadersInUse = false;
    // Whether the first draw has built the untextured program; until then
    // program switches are only noted.
    bool programsStarted = false;
    SmartPtr<OpenGLShader> colorKeyShader;
    SmartPtr<OpenGLShader> texturingShader;
    SmartPtr<OpenGLShader> untintedShader;
    SmartPtr<OpenGLShader> compositeShader;
    SmartPtr<OpenGLShader> alphaTexturingShader;
    SmartPtr<OpenGLShader> solidShader;
    SmartPtr<OpenGLShader> debugShader;
    OpenGLShader* currentShader = nullptr;
    bool customShader = false;
    // The program GL has, as far as the batcher knows, and its name then.
    OpenGLShader* boundShader = nullptr;
    unsigned boundHandle = 0;
    bool intel = false;
    bool buffersInUse = false;
    void const* indexPointer = nullptr;
    unsigned bufferUsage = 0;
    FrameMode frameMode = FrameMode::Draw;
    std::uint64_t fingerprint = 0;
    std::uint64_t untrackedDrawings = 0;
};

} // namespace Norv
