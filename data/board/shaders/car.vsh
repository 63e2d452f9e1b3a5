// Cars: the light, given in the car's own space, is carried into each
// vertex's tangent space for the normal map.
attribute vec3 inVertex;
attribute vec3 inNormal;
attribute vec2 inTexCoord0;
attribute vec2 inTexCoord1;
attribute vec3 inTangent;
attribute vec3 inBitangent;

uniform mat4 MVPMatrix;
uniform mat4 MVPMatrixInv;
uniform vec3 LightPosModel;

varying vec3 LightTangent;
varying vec2 BodyCoord;
varying vec2 NormalCoord;

void main()
{
    gl_Position = MVPMatrix * vec4(inVertex, 1.0);
    vec3 light = normalize(LightPosModel - inVertex);
    LightTangent = vec3(dot(light, inTangent), dot(light, inBitangent), dot(light, inNormal));
    BodyCoord = inTexCoord0;
    NormalCoord = inTexCoord1;
}
