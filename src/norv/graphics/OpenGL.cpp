// OpenGL set-up: strings, capabilities and the batcher.
#include "norv/graphics/OpenGL.h"

#include <GL/gl.h>

#include "norv/application/ShellSettings.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/OpenGLShader.h"
#include "norv/graphics/PixelDataGL.h"

namespace Norv {

GLExtensionSet g_GLextensions;
NarrowString g_GLvendor;
NarrowString g_GLrenderer;
NarrowString g_GLversion;
GLCaps g_GL_caps;
SmartPtr<Batcher> g_batcher;
int g_batcherCommits = 0;

namespace {

NarrowString GLString(GLenum name)
{
    char const* text = reinterpret_cast<char const*>(glGetString(name));
    return text ? NarrowString(text) : NarrowString();
}

} // namespace

bool InitializeOpenGL()
{
    g_GLextensions = SplitGLExtensions(reinterpret_cast<char const*>(glGetString(GL_EXTENSIONS)));
    g_GLvendor = GLString(GL_VENDOR);
    g_GLrenderer = GLString(GL_RENDERER);
    g_GLversion = GLString(GL_VERSION);
    g_GL_caps = DeriveGLCaps(g_GLextensions, shadersDisabled, vboDisabled, dxtcDisabled);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &g_GL_caps.maxTextureSize);
    glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &g_GL_caps.maxTextureUnits);
    g_batcher.Release();
    g_batcher = new OpenGLBatcher();
    return true;
}

void ShutdownOpenGL()
{
    g_batcher.Release();
    PixelDataGL::Free();
    OpenGLShader::Free();
}

bool CheckGLExt(NarrowString const& name)
{
    return g_GLextensions.count(name) != 0;
}

GLCaps const& GetGLCaps()
{
    return g_GL_caps;
}

NarrowString GetGLVendor()
{
    return g_GLvendor;
}

NarrowString GetGLRenderer()
{
    return g_GLrenderer;
}

NarrowString GetGLVersion()
{
    return g_GLversion;
}

} // namespace Norv
