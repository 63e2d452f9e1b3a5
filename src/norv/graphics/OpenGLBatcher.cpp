// The OpenGL batcher: state compare-and-flush, the vertex and index stores,
// per-destination frame buffers, the built-in programs and the
// fixed-function path.
#include "norv/graphics/OpenGLBatcher.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "norv/application/ShellSettings.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLShader.h"
#include "norv/graphics/PixelDataComposite.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/ShaderLibrary.h"

namespace Norv {

float OpenGLBatcher::m_scale = 1.0f;
float OpenGLBatcher::m_rscale = 1.0f;

namespace {

// The window's frame buffer; the screen surface's store carries this name.
constexpr unsigned kScreenFrameBuffer = 0;

// The fingerprint's mixing: a 64-bit multiply-rotate over eight bytes at a
// time, quick enough for every vertex of a frame.
constexpr std::uint64_t kFingerprintPrime = 0xFF51AFD7ED558CCDull;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word)
{
    hash ^= word;
    hash *= kFingerprintPrime;
    return (hash << 31) | (hash >> 33);
}

} // namespace

OpenGLBatcher::OpenGLBatcher()
    : vertices(new BatcherVertex[kMaxVertices]), indices(new std::uint16_t[kMaxIndices])
{
    GLCaps const& caps = GetGLCaps();
    buffersInUse = caps.vbo;
    if (buffersInUse) {
        glGenBuffers(1, &vertexBuffer);
        glGenBuffers(1, &indexBuffer);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        indexPointer = nullptr;
    } else {
        indexPointer = indices.get();
    }
    if (caps.glsl)
        LoadShaders();
    intel = GetGLVendor() == "Intel";
    // The cached state starts as blending off in blend mode, untextured;
    // make GL agree. The first textured draw builds the texturing program.
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (!shadersInUse) {
        ResetCompositeCombiners();
        glDisable(GL_TEXTURE_2D);
    }
    SetupArrays();
    bufferUsage = GL_STREAM_DRAW;
}

OpenGLBatcher::~OpenGLBatcher()
{
    if (shadersInUse) {
        glDisableVertexAttribArray(OpenGLShader::AttributePosition);
        glDisableVertexAttribArray(OpenGLShader::AttributeUV);
        glDisableVertexAttribArray(OpenGLShader::AttributeColor);
        glUseProgram(0);
    } else {
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        for (GLenum unit : {GL_TEXTURE1, GL_TEXTURE0}) {
            glClientActiveTexture(unit);
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
    }
    if (buffersInUse) {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glDeleteBuffers(1, &vertexBuffer);
        glDeleteBuffers(1, &indexBuffer);
    }
}

// Each built-in program is compiled the first time a draw needs it, so the
// first frame waits only for the ones it uses; a first frame that only
// clears (a splash's plain backdrop) waits for none, and the first GLSL
// compile alone costs the software renderer about a tenth of a second.
void OpenGLBatcher::LoadShaders()
{
    struct Source {
        SmartPtr<OpenGLShader>* shader;
        NarrowString const* vertex;
        NarrowString const* fragment;
        bool twoSamplers;
    };
    Source const sources[] = {
        {&colorKeyShader, &ShaderLibrary::ColorKeyVertex, &ShaderLibrary::ColorKeyFragment, false},
        {&texturingShader, &ShaderLibrary::TexturingCommonVertex, &ShaderLibrary::TexturingFragment, false},
        {&untintedShader, &ShaderLibrary::UntintedTexturingVertex, &ShaderLibrary::UntintedTexturingFragment, false},
        {&compositeShader, &ShaderLibrary::TexturingCommonVertex, &ShaderLibrary::CompositeTexturingFragment, true},
        {&alphaTexturingShader, &ShaderLibrary::TexturingCommonVertex, &ShaderLibrary::AlphaTexturingFragment, false},
        {&solidShader, &ShaderLibrary::SolidVertex, &ShaderLibrary::SolidFragment, false},
        {&debugShader, &ShaderLibrary::DebugVertex, &ShaderLibrary::DebugFragment, false},
    };
    for (Source const& source : sources) {
        *source.shader = new OpenGLShader(source.twoSamplers);
        (*source.shader)->Load(*source.vertex, *source.fragment);
    }
    shadersInUse = true;
    currentShader = solidShader.Get();
}

// At the first draw: the smallest, the untextured program, tells whether
// this GL builds the programs at all. When it does not, its shaders are not
// used and the fixed-function path draws everything but keyed sources.
void OpenGLBatcher::StartPrograms()
{
    programsStarted = true;
    if (solidShader->Build())
        return;
    std::fprintf(stderr, "OpenGLBatcher: built-in shaders failed; drawing without shaders\n");
    for (SmartPtr<OpenGLShader>* shader : {&colorKeyShader, &texturingShader, &untintedShader, &compositeShader,
                                           &alphaTexturingShader, &solidShader, &debugShader})
        shader->Release();
    for (unsigned attribute :
         {OpenGLShader::AttributePosition, OpenGLShader::AttributeUV, OpenGLShader::AttributeColor})
        glDisableVertexAttribArray(attribute);
    glUseProgram(0);
    shadersInUse = false;
    currentShader = nullptr;
    boundShader = nullptr;
    boundHandle = 0;
    customShader = false;
    colorKey = false;
    // The fixed-function state, from the cached state the draws so far set.
    ResetState();
}

void OpenGLBatcher::SetupArrays()
{
    char const* base = buffersInUse ? nullptr : reinterpret_cast<char const*>(vertices.get());
    GLsizei const stride = sizeof(BatcherVertex);
    if (shadersInUse) {
        glEnableVertexAttribArray(OpenGLShader::AttributePosition);
        glEnableVertexAttribArray(OpenGLShader::AttributeUV);
        glEnableVertexAttribArray(OpenGLShader::AttributeColor);
        glVertexAttribPointer(OpenGLShader::AttributePosition, 2, GL_FLOAT, GL_FALSE, stride, base);
        glVertexAttribPointer(OpenGLShader::AttributeUV, 2, GL_FLOAT, GL_FALSE, stride, base + 8);
        glVertexAttribPointer(OpenGLShader::AttributeColor, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, base + 16);
        return;
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, stride, base);
    for (GLenum unit : {GL_TEXTURE1, GL_TEXTURE0}) {
        glClientActiveTexture(unit);
        glTexCoordPointer(2, GL_FLOAT, stride, base + 8);
    }
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, base + 16);
}

bool OpenGLBatcher::DestinationIsScreen() const
{
    return currentFrameBuffer == kScreenFrameBuffer;
}

OpenGLShader* OpenGLBatcher::TexturingProgram() const
{
    if (composite)
        return compositeShader.Get();
    return alphaOnly ? alphaTexturingShader.Get() : texturingShader.Get();
}

OpenGLShader* OpenGLBatcher::BuiltInProgram() const
{
    if (colorKey)
        return colorKeyShader.Get();
    return texturing ? TexturingProgram() : solidShader.Get();
}

OpenGLShader* OpenGLBatcher::BatchProgram() const
{
    // Opaque white leaves every texel as it is: without the colour to
    // carry, the renderer has less to do for each vertex and pixel.
    if (!tinted && currentShader == texturingShader.Get())
        return untintedShader.Get();
    return currentShader;
}

bool OpenGLBatcher::Bind(OpenGLShader* shader)
{
    if (shader == boundShader && shader->Handle() == boundHandle && boundHandle != 0)
        return true;
    // The uniforms set here follow from state each batch folds; binding
    // happens in drawn frames only, so folding them would tell a drawn
    // frame from an unchanged one that was only compared.
    std::uint64_t const kept = fingerprint;
    bool const built = shader->Enable();
    if (built) {
        boundShader = shader;
        boundHandle = shader->Handle();
        SetupProjection(destinationWidth, destinationHeight, shadersInUse, currentFrameBuffer, shader, m_scale);
    }
    fingerprint = kept;
    return built;
}

void OpenGLBatcher::SetShader(OpenGLShader* shader)
{
    if (!shadersInUse)
        return;
    if (!shader) {
        // Leaving the caller's program in force would apply its effect to
        // the next draws of the same texture.
        if (customShader) {
            Commit();
            customShader = false;
            SwitchShader(BuiltInProgram());
        }
        return;
    }
    Commit();
    customShader = true;
    SwitchShader(shader);
}

void OpenGLBatcher::Rebind()
{
    boundShader = nullptr;
    boundHandle = 0;
}

void OpenGLBatcher::SwitchShader(OpenGLShader* shader)
{
    if (!shader)
        return;
    currentShader = shader;
    // Built-in programs wait for a draw: the batch's colours may choose
    // another, and a program never drawn with is never compiled.
    if (customShader)
        Bind(shader);
}

void OpenGLBatcher::SetupProjection(unsigned width, unsigned height, bool shaders, unsigned framebuffer,
                                    OpenGLShader* shader, float scale)
{
    if (width == 0 || height == 0)
        return;
    float const w = static_cast<float>(width);
    float const h = static_cast<float>(height);
    bool const screen = framebuffer == kScreenFrameBuffer;
    GLsizei const viewportWidth = screen ? static_cast<GLsizei>(width) * screenScale : static_cast<GLsizei>(width);
    GLsizei const viewportHeight = screen ? static_cast<GLsizei>(height) * screenScale : static_cast<GLsizei>(height);
    if (shaders) {
        if (!shader)
            return;
        if (screen) {
            shader->Enable();
            shader->Uniform("screen", 2.0f / (w * scale), -2.0f / (h * scale), -1.0f);
        } else {
            shader->Uniform("screen", 2.0f / w, 2.0f / h, 1.0f);
        }
    } else {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        if (screen)
            glOrtho(0, w * scale, h * scale, 0, -1, 1);
        else
            glOrtho(0, w, 0, h, -1, 1);
        glMatrixMode(GL_MODELVIEW);
    }
    glViewport(0, 0, viewportWidth, viewportHeight);
}

void OpenGLBatcher::ApplyProjection()
{
    if (shadersInUse)
        Rebind();
    else
        SetupProjection(destinationWidth, destinationHeight, false, currentFrameBuffer, nullptr, m_scale);
}

void OpenGLBatcher::SetDestination(PixelData* target, int flags)
{
    if (!target || target->GetType() != PixelData::TypeGL)
        return;
    PixelDataGL* d = static_cast<PixelDataGL*>(target);
    d->ResetIdle();
    bool const sameSize = d->GetWidth() == destinationWidth && d->GetHeight() == destinationHeight;
    if (currentFrameBuffer == d->GetFrameBuffer() && d->IsLoaded() && sameSize) {
        destination = d;
        return;
    }
    Commit();
    if (!d->IsLoaded()) {
        d->Reload(flags);
        glBindTexture(GL_TEXTURE_2D, currentTexture);
    }
    bool wasCurrent = true;
    if (GetGLCaps().fbo) {
        if (d->GetFrameBuffer() != currentFrameBuffer) {
            wasCurrent = false;
            if (d->GetFrameBuffer() == PixelDataGL::invalid_fbo) {
                unsigned name = 0;
                glGenFramebuffersEXT(1, &name);
                glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, name);
                glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, d->GetTexture(),
                                          0);
                d->SetFrameBuffer(name);
            } else {
                glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, d->GetFrameBuffer());
            }
            currentFrameBuffer = d->GetFrameBuffer();
        }
    }
    if (wasCurrent && sameSize) {
        destination = d;
        return;
    }
    destination = d;
    destinationWidth = d->GetWidth();
    destinationHeight = d->GetHeight();
    ApplyProjection();
}

void OpenGLBatcher::SetCompositeCombiners()
{
    struct TexEnv {
        GLenum name;
        GLint value;
    };
    auto apply = [](std::initializer_list<TexEnv> settings) {
        for (TexEnv const& setting : settings)
            glTexEnvi(GL_TEXTURE_ENV, setting.name, setting.value);
    };
    // Unit 0, the opacity texture: its red channel, spread by a dot product
    // with the constant, becomes the stage's alpha.
    GLfloat const dotConstant[] = {1.0f, 0.5f, 0.5f, 0.0f};
    apply({{GL_TEXTURE_ENV_MODE, GL_COMBINE},
           {GL_COMBINE_RGB, GL_DOT3_RGBA},
           {GL_SOURCE0_RGB, GL_TEXTURE},
           {GL_OPERAND0_RGB, GL_SRC_COLOR},
           {GL_SOURCE1_RGB, GL_CONSTANT},
           {GL_OPERAND1_RGB, GL_SRC_COLOR}});
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, dotConstant);

    // Unit 1, the colour texture: colour times vertex colour, opacity one
    // minus the previous stage's alpha times vertex alpha.
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    apply({{GL_TEXTURE_ENV_MODE, GL_COMBINE},
           {GL_COMBINE_RGB, GL_MODULATE},
           {GL_SOURCE0_RGB, GL_TEXTURE},
           {GL_OPERAND0_RGB, GL_SRC_COLOR},
           {GL_SOURCE1_RGB, GL_PRIMARY_COLOR},
           {GL_OPERAND1_RGB, GL_SRC_COLOR},
           {GL_COMBINE_ALPHA, GL_MODULATE},
           {GL_SOURCE0_ALPHA, GL_PREVIOUS},
           {GL_OPERAND0_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
           {GL_SOURCE1_ALPHA, GL_PRIMARY_COLOR},
           {GL_OPERAND1_ALPHA, GL_SRC_ALPHA}});
    glActiveTexture(GL_TEXTURE0);
}

void OpenGLBatcher::ResetCompositeCombiners()
{
    glActiveTexture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void OpenGLBatcher::SetBlending(bool on)
{
    if (on == blending)
        return;
    Commit();
    if (on)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    blending = on;
}

void OpenGLBatcher::SetSource(PixelData* source, int flags, unsigned char alpha)
{
    if (!source)
        return;
    source->ResetIdle();
    if (source->GetType() == PixelData::TypeGL) {
        PixelDataGL* s = static_cast<PixelDataGL*>(source);
        if (s->GetTexture() != currentTexture || !s->IsLoaded()) {
            Commit();
            if (composite && !shadersInUse)
                ResetCompositeCombiners();
            composite = false;
            if (!s->IsLoaded())
                s->Reload(flags);
            else
                glBindTexture(GL_TEXTURE_2D, s->GetTexture());
            if (shadersInUse && !colorKey) {
                alphaOnly = s->GetFormat() == A8;
                if (!customShader)
                    SwitchShader(TexturingProgram());
            }
            currentTexture = s->GetTexture();
        }
    } else if (source->GetType() == PixelData::TypeComposite) {
        PixelDataComposite* c = static_cast<PixelDataComposite*>(source);
        PixelDataGL* colour = c->GetColour();
        if (colour->GetTexture() != currentTexture || !colour->IsLoaded()) {
            Commit();
            if (!colour->IsLoaded())
                c->Reload(flags);
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, colour->GetTexture());
            glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, c->GetAlpha()->GetTexture());
            if (!shadersInUse && !composite)
                SetCompositeCombiners();
            composite = true;
            if (shadersInUse) {
                alphaOnly = false;
                SwitchShader(compositeShader.Get());
            }
            currentTexture = colour->GetTexture();
        }
    } else {
        return;
    }
    bool const needsBlending = PixelFormatHasAlpha(source->GetFormat()) || alpha != 255 || drawingMode == Additive;
    SetBlending(needsBlending);
}

void OpenGLBatcher::SetDrawingMode(DrawingMode mode)
{
    if (mode == drawingMode)
        return;
    Commit();
    if (mode == Additive)
        SetBlending(true);
    glBlendFunc(GL_SRC_ALPHA, mode == Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    drawingMode = mode;
}

void OpenGLBatcher::NotifyAlpha(unsigned char alpha)
{
    SetBlending(alpha != 255 || drawingMode == Additive);
}

void OpenGLBatcher::SetColorKey(bool enabled, float r, float g, float b)
{
    if (!shadersInUse || customShader)
        return;
    if (enabled == colorKey && (!enabled || (r == keyRed && g == keyGreen && b == keyBlue)))
        return;
    Commit();
    if (enabled) {
        SwitchShader(colorKeyShader.Get());
        if (Bind(colorKeyShader.Get()))
            colorKeyShader->Uniform("key", r, g, b);
    } else if (texturing) {
        SwitchShader(TexturingProgram());
    }
    colorKey = enabled;
    keyRed = r;
    keyGreen = g;
    keyBlue = b;
}

void OpenGLBatcher::SetClipping(RectT<int> const& rect)
{
    int x = rect.x;
    int y = rect.y;
    int width = rect.width;
    int height = rect.height;
    if (DestinationIsScreen()) {
        y = static_cast<int>(static_cast<float>(destinationHeight) * m_scale) - y - height;
        if (screenScale == 2) {
            float const factor = 2.0f * m_rscale;
            x = static_cast<int>(static_cast<float>(x) * factor);
            y = static_cast<int>(static_cast<float>(y) * factor);
            width = static_cast<int>(static_cast<float>(width) * factor);
            height = static_cast<int>(static_cast<float>(height) * factor);
        }
    }
    if (x == clipX && y == clipY && width == clipWidth && height == clipHeight)
        return;
    Commit();
    glScissor(x, y, width, height);
    clipX = x;
    clipY = y;
    clipWidth = width;
    clipHeight = height;
}

void OpenGLBatcher::SetTexturing(bool enabled)
{
    if (enabled == texturing)
        return;
    Commit();
    if (shadersInUse) {
        if (!customShader)
            SwitchShader(enabled ? TexturingProgram() : solidShader.Get());
    } else {
        GLenum const units[] = {GL_TEXTURE0, GL_TEXTURE1};
        for (int i = composite ? 1 : 0; i >= 0; --i) {
            glActiveTexture(units[i]);
            if (enabled)
                glEnable(GL_TEXTURE_2D);
            else
                glDisable(GL_TEXTURE_2D);
        }
    }
    texturing = enabled;
}

void OpenGLBatcher::SetPrimitiveType(PrimitiveType type)
{
    if (type == primitiveType)
        return;
    Commit();
    primitiveType = type;
}

void OpenGLBatcher::ReserveIndices(int count)
{
    if (indexCount + count > kIndexLimit)
        Commit();
}

std::uint16_t OpenGLBatcher::Append(BatcherVertex const& vertex)
{
    tinted = tinted || (vertex.red & vertex.green & vertex.blue & vertex.alpha) != 255;
    vertices[static_cast<std::size_t>(vertexCount)] = vertex;
    return static_cast<std::uint16_t>(vertexCount++);
}

void OpenGLBatcher::Queue(BatcherVertex const& a)
{
    ReserveIndices(2);
    std::uint16_t const n = Append(a);
    indices[static_cast<std::size_t>(indexCount++)] = n;
    if (vertexCount >= 2)
        indices[static_cast<std::size_t>(indexCount++)] = static_cast<std::uint16_t>(n - 1);
}

void OpenGLBatcher::Queue(BatcherVertex const& a, BatcherVertex const& b)
{
    ReserveIndices(2);
    indices[static_cast<std::size_t>(indexCount++)] = Append(a);
    indices[static_cast<std::size_t>(indexCount++)] = Append(b);
}

void OpenGLBatcher::Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c)
{
    ReserveIndices(3);
    indices[static_cast<std::size_t>(indexCount++)] = Append(a);
    indices[static_cast<std::size_t>(indexCount++)] = Append(b);
    indices[static_cast<std::size_t>(indexCount++)] = Append(c);
}

void OpenGLBatcher::Queue(BatcherVertex const& a, BatcherVertex const& b, BatcherVertex const& c,
                          BatcherVertex const& d)
{
    ReserveIndices(6);
    std::uint16_t const n = Append(a);
    Append(b);
    Append(c);
    Append(d);
    std::uint16_t const quad[] = {n, static_cast<std::uint16_t>(n + 1), static_cast<std::uint16_t>(n + 2),
                                  n, static_cast<std::uint16_t>(n + 2), static_cast<std::uint16_t>(n + 3)};
    for (std::uint16_t index : quad)
        indices[static_cast<std::size_t>(indexCount++)] = index;
}

void OpenGLBatcher::BeginFrame(FrameMode mode)
{
    frameMode = mode;
}

std::uint64_t OpenGLBatcher::EndFrame()
{
    std::uint64_t const result = fingerprint;
    fingerprint = 0;
    frameMode = FrameMode::Draw;
    return result;
}

void OpenGLBatcher::Fold(void const* bytes, std::size_t size)
{
    unsigned char const* at = static_cast<unsigned char const*>(bytes);
    std::uint64_t hash = Mix(fingerprint, size);
    for (; size >= sizeof(std::uint64_t); size -= sizeof(std::uint64_t), at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        hash = Mix(hash, word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, at, size);
    fingerprint = Mix(hash, tail);
}

void OpenGLBatcher::NoteUntrackedDrawing()
{
    // A value never folded before makes the frame unlike any other.
    ++untrackedDrawings;
    Fold(&untrackedDrawings, sizeof untrackedDrawings);
}

void OpenGLBatcher::Commit()
{
    if (vertexCount == 0)
        return;
    if (frameMode != FrameMode::Draw) {
        // Everything the batch's look depends on.
        std::uintptr_t const program = reinterpret_cast<std::uintptr_t>(currentShader);
        std::int32_t const state[] = {primitiveType,
                                      static_cast<std::int32_t>(currentTexture),
                                      static_cast<std::int32_t>(currentFrameBuffer),
                                      drawingMode,
                                      blending | composite << 1 | colorKey << 2 | alphaOnly << 3 | texturing << 4
                                          | customShader << 5,
                                      clipX,
                                      clipY,
                                      clipWidth,
                                      clipHeight,
                                      destinationWidth,
                                      destinationHeight,
                                      vertexCount,
                                      indexCount};
        float const values[] = {keyRed, keyGreen, keyBlue, m_scale};
        Fold(state, sizeof state);
        Fold(&program, sizeof program);
        Fold(values, sizeof values);
        Fold(vertices.get(), static_cast<std::size_t>(vertexCount) * sizeof(BatcherVertex));
        Fold(indices.get(), static_cast<std::size_t>(indexCount) * sizeof(std::uint16_t));
        if (frameMode == FrameMode::FingerprintOnly) {
            DiscardBatch();
            return;
        }
    }
    if (shadersInUse && !programsStarted)
        StartPrograms();
    if (shadersInUse && !Bind(BatchProgram())) {
        // The state's program did not build (its log says why): drawing
        // with whichever program is bound would show something else.
        DiscardBatch();
        return;
    }
    ++g_batcherCommits;
    std::size_t const vertexBytes = static_cast<std::size_t>(vertexCount) * sizeof(BatcherVertex);
    std::size_t const indexBytes = static_cast<std::size_t>(indexCount) * sizeof(std::uint16_t);
    if (buffersInUse) {
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        if (intel) {
            // Orphaning the whole buffer first keeps these drivers from
            // stalling on the previous draw.
            glBufferData(GL_ARRAY_BUFFER, kMaxVertices * sizeof(BatcherVertex), nullptr, GL_STREAM_DRAW);
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, kMaxIndices * sizeof(std::uint16_t), nullptr, GL_STREAM_DRAW);
            glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertexBytes), vertices.get());
            glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(indexBytes), indices.get());
        } else {
            glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexBytes), vertices.get(), bufferUsage);
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexBytes), indices.get(), bufferUsage);
        }
    }
    if (!shadersInUse) {
        char const* base = buffersInUse ? nullptr : reinterpret_cast<char const*>(vertices.get());
        GLsizei const stride = sizeof(BatcherVertex);
        glVertexPointer(2, GL_FLOAT, stride, base);
        // The composite's colour texture on unit 1 reads the same coordinates.
        glClientActiveTexture(GL_TEXTURE1);
        if (composite)
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        else
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glClientActiveTexture(GL_TEXTURE0);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, base + 8);
        glColorPointer(4, GL_UNSIGNED_BYTE, stride, base + 16);
    }
    glDrawElements(primitiveType == Triangles ? GL_TRIANGLES : GL_LINES, indexCount, GL_UNSIGNED_SHORT, indexPointer);
    DiscardBatch();
}

void OpenGLBatcher::DiscardBatch()
{
    vertexCount = 0;
    indexCount = 0;
    tinted = false;
}

void OpenGLBatcher::Clear(NorvFloat const& r, NorvFloat const& g, NorvFloat const& b, NorvFloat const& a)
{
    DiscardBatch();
    if (frameMode != FrameMode::Draw) {
        NorvFloat const colour[] = {r, g, b, a};
        Fold(colour, sizeof colour);
        std::int32_t const target[] = {static_cast<std::int32_t>(currentFrameBuffer), clipX, clipY, clipWidth,
                                       clipHeight};
        Fold(target, sizeof target);
        if (frameMode == FrameMode::FingerprintOnly)
            return;
    }
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT);
}

void OpenGLBatcher::DeleteNotify(PixelData* store)
{
    if (!store || store->GetType() != PixelData::TypeGL)
        return;
    PixelDataGL* p = static_cast<PixelDataGL*>(store);
    if (GetGLCaps().fbo && p->GetFrameBuffer() == currentFrameBuffer)
        DiscardBatch();
    else if (p->GetTexture() != 0 && p->GetTexture() == currentTexture)
        Commit();
    if (p->GetTexture() != 0 && p->GetTexture() == currentTexture)
        currentTexture = 0;
    if (p == destination) {
        // Deleting a bound frame buffer leaves the window's bound; the next
        // destination must be set up again, whatever name it gets.
        destination = nullptr;
        if (currentFrameBuffer != kScreenFrameBuffer) {
            glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, kScreenFrameBuffer);
            currentFrameBuffer = kScreenFrameBuffer;
        }
        destinationWidth = 0;
        destinationHeight = 0;
    }
}

bool OpenGLBatcher::SetScaling(NorvFloat const& scale)
{
    m_scale = scale;
    m_rscale = 1.0f / scale;
    ApplyProjection();
    return true;
}

void OpenGLBatcher::ResetState()
{
    // The 3D scene drew with GL directly: state this batch relies on is put
    // back as the batcher last left it.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    if (buffersInUse) {
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    }
    if (GetGLCaps().fbo)
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, currentFrameBuffer);
    if (shadersInUse) {
        SetupArrays();
        Rebind();
    } else {
        glActiveTexture(GL_TEXTURE1);
        glDisable(GL_TEXTURE_2D);
        glActiveTexture(GL_TEXTURE0);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        composite = false;
        if (texturing)
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
        glUseProgram(0);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        SetupArrays();
    }
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    if (blending)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, drawingMode == Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_SCISSOR_TEST);
    glScissor(clipX, clipY, clipWidth, clipHeight);
    SetScaling(1.0f);
    currentTexture = 0;
}

} // namespace Norv
