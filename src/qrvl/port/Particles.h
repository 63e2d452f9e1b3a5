// A particle emitter read from an XML description: it emits particles
// from a box or a ring, moves and ages them in seconds, and draws them as
// camera-facing textured quads, optionally animated through an atlas. A
// loaded emitter also serves as a template that bursts copy.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec3.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

#include <SDL_opengl.h>

#include <cstdint>
#include <limits>
#include <vector>

struct ezxml;

class Particles : public Norv::RefCounter {
public:
    struct Particle {
        PVRTVec3 position;
        PVRTVec3 velocity;
        float size;
        float sizeChange;
        float age;
        float life;
        float spin;
        float rotation;
        int texture;
        int16_t atlasStart;
    };
    struct VertData {
        float position[3];
        float colour[4];
        float texCoord[2];
    };

    explicit Particles(char const* file);
    Particles(char const* file, PVRTVec3 const& at);
    // A copy of the template's parameters and clocks at `at`, sharing its
    // textures, with no particles, no size change and full opacity.
    Particles(Particles const& from, PVRTVec3 const& at);
    ~Particles() override;
    Particles& operator=(Particles const&) = delete;

    void Load(char const* file);
    // Reads the description from an element tree; the textures named are
    // loaded from "particles/".
    void LoadFromXml(ezxml* root);
    void LoadTextures(std::vector<Norv::NarrowString> const& names);
    void Update(float dt);
    // cameraToWorld: the inverse of the view matrix.
    void Render(PVRTMat4 const& cameraToWorld);

    // Restarts the clocks of a burst copy so that it emits for its life.
    void Restart() { emissionClock = elapsed = 0.0f; }
    // True once a finite life has run out and the last particle has gone.
    bool IsSpent() const { return life != -1.0f && elapsed >= life && particles.empty(); }

    // The layout's base size that screen-space elements scale by.
    static void SetBaseSize(int width, int height);
    // The one generator all emitters draw from.
    static void SeedRandom(unsigned int seed);

    std::vector<Particle> const& GetParticles() const { return particles; }
    // Where a template stands: the first corner of its emission box.
    PVRTVec3 const& GetPosition() const { return emitMin; }
    unsigned int GetTextureCount() const { return unsigned(textures.size()); }
    // The texture coordinates of a particle's current atlas cell: left,
    // top, right, bottom.
    void AtlasCell(Particle const& particle, float cell[4]) const;

    float opacity = 1.0f;

private:
    void Emit();

    std::vector<VertData> vertices;
    std::vector<Particle> particles;
    std::vector<GLuint> textures;
    float emissionClock = 0.0f;
    PVRTVec3 emitMin, emitMax;
    PVRTVec3 velocityMin, velocityMax;
    float spinMin = 0.0f, spinMax = 0.0f;
    float rotationMin = 0.0f, rotationMax = 0.0f;
    float life = 0.0f;
    float lifeMin = 0.0f, lifeMax = 0.0f;
    int sizeMin = 0, sizeMax = 0;
    int sizeChangeMin = 0, sizeChangeMax = 0;
    float intervalMin = 0.0f, intervalMax = 0.0f;
    unsigned int maxParticles = 0;
    float radius = 0.0f;
    float accelerationY = 0.0f;
    float elapsed = 0.0f;
    float verticalMin = 0.0f, verticalMax = 0.0f;
    float radialMin = 0.0f, radialMax = 0.0f;
    int atlasColumns = 1, atlasRows = 1;
    bool transparent = false;
    bool fadeOverLife = false;
    float cutoff = std::numeric_limits<float>::lowest();
    bool ownsTextures = true;
};
