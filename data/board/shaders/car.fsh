// Cars: the body colour lit through the normal map, at the car's opacity.
uniform sampler2D sBaseTex;
uniform sampler2D sNormalMap;
uniform float sAlpha;

varying vec3 LightTangent;
varying vec2 BodyCoord;
varying vec2 NormalCoord;

// Sides away from the light keep most of their colour: toys in the sun.
const float kAmbient = 0.55;
const float kDiffuse = 0.6;

void main()
{
    vec3 normal = texture2D(sNormalMap, NormalCoord).rgb * 2.0 - 1.0;
    // A mesh without tangents is lit evenly.
    float facing = 1.0;
    if (length(LightTangent) > 0.001)
        facing = max(dot(normalize(normal), normalize(LightTangent)), 0.0);
    float light = kAmbient + kDiffuse * facing;
    vec4 base = texture2D(sBaseTex, BodyCoord);
    gl_FragColor = vec4(base.rgb * min(light, 1.2), base.a * sAlpha);
}
