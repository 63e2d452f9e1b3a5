// The sources of the engine's built-in GLSL shaders. Vertex sources end
// with GLPOSITION, defined by OpenGLShader::s_glPosition.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

struct ShaderLibrary {
    static NarrowString const ColorKeyVertex;
    static NarrowString const TexturingCommonVertex;
    static NarrowString const UntintedTexturingVertex;
    static NarrowString const SolidVertex;
    static NarrowString const DebugVertex;
    static NarrowString const TintVertex;
    static NarrowString const BlurHorizontalVertex;
    static NarrowString const BlurVerticalVertex;

    static NarrowString const ColorKeyFragment;
    static NarrowString const TexturingFragment;
    static NarrowString const UntintedTexturingFragment;
    static NarrowString const CompositeTexturingFragment;
    static NarrowString const AlphaTexturingFragment;
    static NarrowString const SolidFragment;
    static NarrowString const DebugFragment;
    static NarrowString const TintFragment;
    static NarrowString const BlurFragment;
};

} // namespace Norv
