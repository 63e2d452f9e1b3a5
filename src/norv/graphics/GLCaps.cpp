// Capability detection from the GL extension string.
#include "norv/graphics/GLCaps.h"

#include <cstring>

namespace Norv {

GLExtensionSet SplitGLExtensions(char const* extensions)
{
    GLExtensionSet words;
    if (!extensions)
        return words;
    char const* const spaces = " \t\n\v\f\r";
    char const* p = extensions;
    while (*p) {
        p += std::strspn(p, spaces);
        std::size_t const length = std::strcspn(p, spaces);
        if (length)
            words.insert(NarrowString(p, length));
        p += length;
    }
    return words;
}

GLCaps DeriveGLCaps(GLExtensionSet const& extensions, bool noShaders, bool noVbo, bool noDxtc)
{
    auto has = [&extensions](char const* name) { return extensions.count(name) != 0; };
    GLCaps caps;
    caps.vbo = !noVbo && has("GL_ARB_vertex_buffer_object");
    caps.fbo = has("GL_EXT_framebuffer_object");
    caps.glsl = !noShaders && has("GL_ARB_fragment_shader") && has("GL_ARB_vertex_shader") &&
                has("GL_ARB_shader_objects") && has("GL_ARB_shading_language_100");
    caps.pvrtc = has("GL_IMG_texture_compression_pvrtc");
    caps.dxtc = !noDxtc && has("GL_EXT_texture_compression_s3tc");
    caps.etc1 = has("GL_OES_compressed_ETC1_RGB8_texture");
    caps.npot = has("GL_ARB_texture_non_power_of_two");
    return caps;
}

} // namespace Norv
