// OpenGL set-up and shutdown, the capability record and the GL strings.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/GLCaps.h"

namespace Norv {

class Batcher;

extern GLExtensionSet g_GLextensions;
extern NarrowString g_GLvendor;
extern NarrowString g_GLrenderer;
extern NarrowString g_GLversion;
extern GLCaps g_GL_caps;
// The one drawing batcher; made by InitializeOpenGL.
extern SmartPtr<Batcher> g_batcher;
// Batches the OpenGL batcher has drawn; the developer console reads and
// clears it once per frame.
extern int g_batcherCommits;

// Reads the implementation's strings and capabilities and makes the batcher.
// The GL context must be current.
bool InitializeOpenGL();
// Releases the batcher, every texture and every shader program.
void ShutdownOpenGL();

bool CheckGLExt(NarrowString const& name);
GLCaps const& GetGLCaps();
NarrowString GetGLVendor();
NarrowString GetGLRenderer();
NarrowString GetGLVersion();

} // namespace Norv
