// What the OpenGL implementation can do, as the engine uses it.
#pragma once

#include <set>

#include "norv/base/core/NarrowString.h"

namespace Norv {

struct GLCaps {
    bool fbo = false;   // frame-buffer objects: offscreen drawing
    bool vbo = false;   // buffer objects for the batch
    bool glsl = false;  // GLSL shaders
    bool pvrtc = false;
    bool dxtc = false;
    bool etc1 = false;
    bool npot = false;  // textures of any size, not only powers of two
    int maxTextureSize = 0;
    int maxTextureUnits = 0;
};

using GLExtensionSet = std::set<NarrowString>;

// The words of an extension string; runs of white space make no empty words.
GLExtensionSet SplitGLExtensions(char const* extensions);
// The capabilities the extensions offer, less those the command-line
// switches turn off. The two limits are left 0.
GLCaps DeriveGLCaps(GLExtensionSet const& extensions, bool noShaders, bool noVbo, bool noDxtc);

} // namespace Norv
