// The wheel: the sharp face and its normal map blend into the motion-blurred
// pair as the wheel speeds up (sWeight 0 sharp, 1 blurred).
uniform sampler2D sBaseTex1;
uniform sampler2D sBaseTex2;
uniform sampler2D sNormalMap1;
uniform sampler2D sNormalMap2;
uniform float sWeight;

varying vec3 LightTangent;
varying vec2 TexCoord;

// The face stays bright wherever the camera stands, as bright as the
// drawing without shaders shows it when lit straight on.
const float kAmbient = 0.5;
const float kDiffuse = 0.4;

void main()
{
    vec3 base = mix(texture2D(sBaseTex1, TexCoord).rgb, texture2D(sBaseTex2, TexCoord).rgb, sWeight);
    vec3 normal = mix(texture2D(sNormalMap1, TexCoord).rgb, texture2D(sNormalMap2, TexCoord).rgb, sWeight) * 2.0 - 1.0;
    // A mesh without tangents is lit evenly.
    float facing = 1.0;
    if (length(LightTangent) > 0.001)
        facing = max(dot(normalize(normal), normalize(LightTangent)), 0.0);
    float light = kAmbient + kDiffuse * facing;
    gl_FragColor = vec4(base * light, 1.0);
}
