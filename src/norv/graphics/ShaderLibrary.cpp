// The built-in shader sources.
#include "norv/graphics/ShaderLibrary.h"

namespace Norv {

namespace {

char const kTexturingVertex[] =
    "uniform vec3 screen;\n"
    "attribute vec2 inPos;\n"
    "attribute vec2 inUV;\n"
    "attribute vec4 inColor;\n"
    "varying vec2 vTex;\n"
    "varying vec4 vColor;\n"
    "void main(void)\n{\n"
    "vTex = inUV;\n"
    "vColor = inColor;\n"
    "GLPOSITION;}";

char const kTexCoordVertex[] =
    "uniform vec3 screen;\n"
    "attribute vec2 inPos;\n"
    "attribute vec2 inUV;\n"
    "varying vec2 vTex;\n"
    "void main(void)\n{\n"
    "vTex = inUV;\n"
    "GLPOSITION;}";

// Five taps along one axis, two texels to either side.
NarrowString BlurVertex(char const* axis)
{
    return NarrowString(
               "uniform vec3 screen;\n"
               "uniform float offset;\n"
               "attribute vec2 inPos;\n"
               "attribute vec2 inUV;\n"
               "varying vec2 vTex1;\n"
               "varying vec2 vTex2;\n"
               "varying vec2 vTex3;\n"
               "varying vec2 vTex4;\n"
               "varying vec2 vTex5;\n"
               "void main(void)\n{\n"
               "vec2 step = ") +
           axis +
           " * offset;\n"
           "vTex1 = inUV - 2.0 * step;\n"
           "vTex2 = inUV - step;\n"
           "vTex3 = inUV;\n"
           "vTex4 = inUV + step;\n"
           "vTex5 = inUV + 2.0 * step;\n"
           "GLPOSITION;}";
}

} // namespace

NarrowString const ShaderLibrary::ColorKeyVertex = kTexturingVertex;
NarrowString const ShaderLibrary::TexturingCommonVertex = kTexturingVertex;
NarrowString const ShaderLibrary::UntintedTexturingVertex = kTexCoordVertex;
NarrowString const ShaderLibrary::SolidVertex =
    "uniform vec3 screen;\n"
    "attribute vec2 inPos;\n"
    "attribute vec4 inColor;\n"
    "varying vec4 vColor;\n"
    "void main(void)\n{\n"
    "vColor = inColor;\n"
    "GLPOSITION;}";
NarrowString const ShaderLibrary::DebugVertex = kTexCoordVertex;
NarrowString const ShaderLibrary::TintVertex = kTexCoordVertex;
NarrowString const ShaderLibrary::BlurHorizontalVertex = BlurVertex("vec2(1.0, 0.0)");
NarrowString const ShaderLibrary::BlurVerticalVertex = BlurVertex("vec2(0.0, 1.0)");

// The key is matched within half a colour step: drivers do not all return
// the texel's exact byte fraction.
NarrowString const ShaderLibrary::ColorKeyFragment =
    "varying vec2 vTex;\n"
    "varying vec4 vColor;\n"
    "uniform sampler2D tex;\n"
    "uniform vec3 key;\n"
    "void main(void)\n{\n"
    " vec4 t = texture2D( tex, vTex );\n"
    "if( all( lessThan( abs( t.rgb - key.rgb ), vec3( 0.5 / 255.0 ) ) ) ) { discard; }\n"
    "gl_FragColor = t * vColor;\n}";
NarrowString const ShaderLibrary::TexturingFragment =
    "varying vec2 vTex;\n"
    "varying vec4 vColor;\n"
    "uniform sampler2D tex;\n"
    "void main(void)\n{\n"
    " vec4 t = texture2D( tex, vTex );\n"
    "gl_FragColor = t * vColor;\n}";
NarrowString const ShaderLibrary::UntintedTexturingFragment =
    "varying vec2 vTex;\n"
    "uniform sampler2D tex;\n"
    "void main(void)\n{\n"
    "gl_FragColor = texture2D( tex, vTex );\n}";
NarrowString const ShaderLibrary::CompositeTexturingFragment =
    "varying vec2 vTex;\n"
    "varying vec4 vColor;\n"
    "uniform sampler2D tex;\n"
    "uniform sampler2D tex2;\n"
    "void main(void)\n{\n"
    " vec3 t = texture2D( tex2, vTex ).rgb;\n"
    " float a = 1.0 - texture2D( tex, vTex ).r;\n"
    "gl_FragColor = vec4( t, a ) * vColor;\n}";
NarrowString const ShaderLibrary::AlphaTexturingFragment =
    "varying vec2 vTex;\n"
    "varying vec4 vColor;\n"
    "uniform sampler2D tex;\n"
    "void main(void)\n{\n"
    " vec4 t = texture2D( tex, vTex );\n"
    "gl_FragColor = vColor * vec4( 1.0, 1.0, 1.0, t.a );\n}";
NarrowString const ShaderLibrary::SolidFragment =
    "varying vec4 vColor;\n"
    "void main(void)\n{\n"
    "gl_FragColor = vColor;\n}";
NarrowString const ShaderLibrary::DebugFragment =
    "varying vec2 vTex;\n"
    "uniform sampler2D tex;\n"
    "uniform vec3 vColor;\n"
    "void main(void)\n{\n"
    " vec4 t = texture2D( tex, vTex );\n"
    "gl_FragColor = vec4( vColor * 0.9, 1.0 ) + t * 0.1;\n}";
NarrowString const ShaderLibrary::TintFragment =
    "varying vec2 vTex;\n"
    "uniform vec3 vColor;\n"
    "uniform sampler2D tex;\n"
    "void main(void)\n{\n"
    " vec4 t = texture2D( tex, vTex );\n"
    "gl_FragColor = t * vec4( vColor, 1.0 );\n}";
NarrowString const ShaderLibrary::BlurFragment =
    "varying vec2 vTex1;\n"
    "varying vec2 vTex2;\n"
    "varying vec2 vTex3;\n"
    "varying vec2 vTex4;\n"
    "varying vec2 vTex5;\n"
    "uniform sampler2D tex;\n"
    "void main(void)\n{\n"
    "gl_FragColor = ( texture2D( tex, vTex1 ) + texture2D( tex, vTex5 ) ) * 0.125\n"
    " + ( texture2D( tex, vTex2 ) + texture2D( tex, vTex4 ) ) * 0.219\n"
    " + texture2D( tex, vTex3 ) * 0.312;\n}";

} // namespace Norv
