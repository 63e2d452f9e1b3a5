// A player's car on the board: one shared model with a body texture per
// player colour and a normal map, lit per pixel by a light that follows the
// camera through its own program, or by a two-unit DOT3 combination without
// shaders. Its children are the pegs in its seats.
#pragma once

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"
#include "qrvl/original/phone/world/ShaderProgram.h"

class CarEntImpl : public CEntImpl {
public:
    // Texture slots: the six bodies by colour, then the normal map.
    static constexpr int kBodies = 6;
    static constexpr int kNormalMap = 6;
    static constexpr int kTextures = 7;
    enum Uniform { MVPMatrix, MVPMatrixInv, LightPosModel, sAlpha, sBaseTex, sNormalMap, UniformCount };
    // Attribute locations: the body's texture coordinates, then the normal
    // map's.
    enum Attribute { Vertex, Normal, TexCoord0, TexCoord1, Tangent, Bitangent, AttributeCount };

    ~CarEntImpl() override;
    // The model, its seven textures from folder + the names of the texture
    // table and, when shaders are available, "car.vsh" and "car.fsh".
    void Load(char const* file, char const* folder) override;

    ShaderProgram shader;
    GLint uniforms[UniformCount] = {};
};

class CarEnt : public CEnt {
public:
    explicit CarEnt(CarEntImpl& model) : CEnt(model), car(&model) {}
    CarEnt(CarEnt const& other) : CEnt(other), car(other.car) {}

    // Only the pegs move on by themselves.
    void Update(float seconds) override;
    void Render() override;
    // Hands the car's frame to its pegs.
    void MatrixUpdated() override;

    // Which body texture is drawn: the player's colour, 0 to 5.
    unsigned char colourIndex = 0;

private:
    PVRTMat4 CarFrame() const;
    void RenderShaded(PVRTMat4 const& frame);
    void RenderDot3(PVRTMat4 const& frame);

    Norv::SmartPtr<CarEntImpl> car;
};
