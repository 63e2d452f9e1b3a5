// Skinned models: each vertex follows up to BoneCount bones of its batch,
// weighted; a model without bones in this batch uses its node's matrix.
attribute vec3 inVertex;
attribute vec3 inNormal;
attribute vec2 inTexCoord;
attribute vec4 inBoneWeight;
attribute vec4 inBoneIndex;

uniform mat4 MVPMatrix;
uniform mat4 ViewProjMatrix;
uniform vec3 LightDirModel;
uniform vec3 LightDirWorld;
uniform int BoneCount;
uniform mat4 BoneMatrixArray[8];
uniform mat3 BoneMatrixArrayIT[8];

varying float LightIntensity;
varying vec2 TexCoord;

// Light from above and a little in front when none is set.
const vec3 kDefaultLight = vec3(-0.3, -1.0, -0.4);
// Shadowed sides keep most of their colour: the board is a sunny toy.
const float kAmbient = 0.7;

void main()
{
    vec3 normal;
    vec3 light;
    if (BoneCount > 0) {
        vec4 position = vec4(0.0);
        normal = vec3(0.0);
        for (int i = 0; i < 4; ++i) {
            if (i >= BoneCount)
                break;
            int bone = int(inBoneIndex[i]);
            position += BoneMatrixArray[bone] * vec4(inVertex, 1.0) * inBoneWeight[i];
            normal += BoneMatrixArrayIT[bone] * inNormal * inBoneWeight[i];
        }
        gl_Position = ViewProjMatrix * position;
        light = LightDirWorld;
    } else {
        gl_Position = MVPMatrix * vec4(inVertex, 1.0);
        normal = inNormal;
        light = LightDirModel;
    }
    if (dot(light, light) < 0.0001)
        light = kDefaultLight;
    float facing = dot(normal, normal) > 0.0001 ? max(dot(normalize(normal), -normalize(light)), 0.0) : 1.0;
    LightIntensity = kAmbient + (1.0 - kAmbient) * facing;
    TexCoord = inTexCoord;
}
