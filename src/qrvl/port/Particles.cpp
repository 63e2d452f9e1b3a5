// Particle emitters: reading their descriptions, emitting, ageing and
// drawing camera-facing quads.
#include "qrvl/port/Particles.h"

#include "contrib/pvr/PVRTTexture.h"
#include "norv/base/core/Pi.h"
#include "norv/base/core/RNG.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>

namespace {

// An emitter life that never runs out.
constexpr float kForever = -1.0f;
constexpr float kDegreesToRadians = 0.017453292f;
// Descriptions give times in milliseconds.
constexpr float kMillisecondsPerSecond = 1000.0f;
// Scaled sizes are given for a layout 768 high.
constexpr float kReferenceHeight = 768.0f;
// An atlas animates at this many cells per second.
constexpr float kAtlasFramesPerSecond = 30.0f;
// The cap on live particles that a description may ask for: the list is
// reserved at its maximum, and more particles than this would only cost
// memory and draw time.
constexpr unsigned int kMaxParticles = 4096;

int g_baseWidth = 1024;
int g_baseHeight = 768;

Norv::RNG& Random()
{
    static Norv::SmartPtr<Norv::RNG> rng(new Norv::RNG);
    return *rng;
}

float Draw()
{
    return static_cast<float>(Random().GetDouble());
}

float Between(float low, float high, float r)
{
    return low + r * (high - low);
}

// An element's two attributes into a pair, 0 when absent.
template <class T>
bool ReadPair(ezxml* root, char const* element, char const* first, char const* second, T& a, T& b)
{
    Norv::XmlIt it(root, element);
    if (!it)
        return false;
    a = b = T();
    it.GetAttribute(first, a);
    it.GetAttribute(second, b);
    return true;
}

// An element's "min" and "max" integers as a range of floats divided by
// `divisor`; false, leaving the range alone, without the element.
bool ReadIntRange(ezxml* root, char const* element, float& min, float& max, float divisor = 1.0f)
{
    int low = 0, high = 0;
    if (!ReadPair(root, element, "min", "max", low, high))
        return false;
    min = float(low) / divisor;
    max = float(high) / divisor;
    return true;
}

// Both ends of an integer range times `scale`, truncated.
void ScaleRange(int& min, int& max, float scale)
{
    min = int(float(min) * scale);
    max = int(float(max) * scale);
}

bool ReadValue(ezxml* root, char const* element, char const* attribute, float& value)
{
    Norv::XmlIt it(root, element);
    return it && it.GetAttribute(attribute, value);
}

// The six box values shared by the box elements, in file order minx,
// miny, minz, maxx, maxy, maxz.
struct BoxValues {
    float v[6] = {};
    static constexpr char const* kNames[6] = {"minx", "miny", "minz", "maxx", "maxy", "maxz"};

    // Reads the attributes the element has; false without the element.
    bool Read(ezxml* root, char const* element)
    {
        Norv::XmlIt it(root, element);
        if (!it)
            return false;
        for (int i = 0; i < 6; ++i)
            it.GetAttribute(kNames[i], v[i]);
        return true;
    }
    // Screen space: x and y scaled by half the layout, shifted by `shift`.
    void ToScreen(float shift)
    {
        for (int i : {0, 3})
            v[i] = (v[i] + shift) * static_cast<float>(g_baseWidth) / 2.0f;
        for (int i : {1, 4})
            v[i] = (v[i] + shift) * static_cast<float>(g_baseHeight) / 2.0f;
    }
    void Store(PVRTVec3& min, PVRTVec3& max) const
    {
        min = PVRTVec3(v[0], v[1], v[2]);
        max = PVRTVec3(v[3], v[4], v[5]);
    }
};

} // namespace

void Particles::SetBaseSize(int width, int height)
{
    g_baseWidth = width;
    g_baseHeight = height;
}

void Particles::SeedRandom(unsigned int seed)
{
    Random().SetSeed(seed);
}

Particles::Particles(char const* file)
{
    Load(file);
}

Particles::Particles(char const* file, PVRTVec3 const& at) : emitMin(at), emitMax(at)
{
    Load(file);
}

Particles::Particles(Particles const& from, PVRTVec3 const& at) : Particles(from)
{
    emitMin = emitMax = at;
    sizeChangeMin = sizeChangeMax = 0;
    particles.clear();
    particles.reserve(maxParticles);
    vertices.clear();
    opacity = 1.0f;
    ownsTextures = false;
}

Particles::~Particles()
{
    if (ownsTextures && !textures.empty())
        glDeleteTextures(GLsizei(textures.size()), textures.data());
}

void Particles::Load(char const* file)
{
    Norv::SmartPtr<Norv::Xml> xml(Norv::Xml::LoadFromFile(file));
    if (!xml || !xml->GetTree()) {
        // Every description the game names ships with it; without one the
        // emitter stays silent rather than failing its owner.
        std::fprintf(stderr, "Particles: cannot read %s\n", file);
        return;
    }
    LoadFromXml(xml->GetTree());
}

void Particles::LoadFromXml(ezxml* root)
{
    std::vector<Norv::NarrowString> names;
    for (Norv::XmlIt it(root, "texture"); it; ++it) {
        Norv::NarrowString name;
        it.GetAttribute("name", name);
        names.push_back(name);
    }

    BoxValues box;
    bool const position = box.Read(root, "posbbox");
    if (position)
        box.Store(emitMin, emitMax);
    if (box.Read(root, "posbboxSP")) {
        box.ToScreen(1.0f);
        box.Store(emitMin, emitMax);
    }
    bool velocityBox = box.Read(root, "velbbox");
    if (!velocityBox && box.Read(root, "velbboxSP")) {
        box.ToScreen(0.0f);
        velocityBox = true;
    }
    if (velocityBox) {
        box.Store(velocityMin, velocityMax);
    } else {
        ReadIntRange(root, "vely", verticalMin, verticalMax);
        ReadIntRange(root, "velxz", radialMin, radialMax);
    }
    ReadIntRange(root, "spinrange", spinMin, spinMax);
    ReadIntRange(root, "rotationrange", rotationMin, rotationMax);
    if (ReadValue(root, "life", "val", life) && life != kForever) {
        life /= kMillisecondsPerSecond;
        // A finite emitter starts spent: bursts restart their copies.
        if (life > 0.0f)
            elapsed = life;
    }
    ReadIntRange(root, "liferange", lifeMin, lifeMax, kMillisecondsPerSecond);
    float const heightScale = static_cast<float>(g_baseHeight) / kReferenceHeight;
    if (!ReadPair(root, "sizerange", "min", "max", sizeMin, sizeMax)
        && ReadPair(root, "sizerangeScaled", "min", "max", sizeMin, sizeMax))
        ScaleRange(sizeMin, sizeMax, heightScale);
    ReadPair(root, "sizechangerange", "min", "max", sizeChangeMin, sizeChangeMax);
    if (ReadPair(root, "sizechangerangeScaled", "min", "max", sizeChangeMin, sizeChangeMax))
        ScaleRange(sizeChangeMin, sizeChangeMax, heightScale);
    ReadIntRange(root, "emittime", intervalMin, intervalMax, kMillisecondsPerSecond);
    Norv::XmlIt maximum(root, "maxparticles");
    if (maximum)
        maximum.GetAttribute("val", maxParticles);
    maxParticles = std::min(maxParticles, kMaxParticles);
    particles.reserve(maxParticles);
    ReadValue(root, "radius", "val", radius);
    if (ReadValue(root, "radiusSP", "val", radius))
        radius *= static_cast<float>(g_baseHeight) / 2.0f;
    ReadValue(root, "accy", "val", accelerationY);
    if (ReadValue(root, "accySP", "val", accelerationY))
        accelerationY *= static_cast<float>(g_baseHeight) / 2.0f;
    if (Norv::XmlIt atlas(root, "atlas"); atlas) {
        atlasColumns = atlasRows = 1;
        atlas.GetAttribute("x", atlasColumns);
        atlas.GetAttribute("y", atlasRows);
    }
    // A cell count of 0 or less would divide by nothing when drawing.
    atlasColumns = std::max(atlasColumns, 1);
    atlasRows = std::max(atlasRows, 1);
    if (Norv::XmlIt it(root, "transparent"); it)
        it.GetAttribute("val", transparent);
    if (Norv::XmlIt it(root, "fadeoverlife"); it)
        it.GetAttribute("val", fadeOverLife);
    ReadValue(root, "cutoff", "y", cutoff);

    LoadTextures(names);
}

void Particles::LoadTextures(std::vector<Norv::NarrowString> const& names)
{
    textures.assign(names.size(), 0);
    for (size_t i = 0; i < names.size(); ++i) {
        Norv::NarrowString const path = "particles/" + names[i];
        if (PVRTTextureLoadFromPVR(path.c_str(), &textures[i], nullptr, true, 0) != PVR_SUCCESS)
            textures[i] = 0;
    }
}

void Particles::Update(float dt)
{
    emissionClock += dt;
    elapsed += dt;
    for (size_t i = particles.size(); i-- > 0;) {
        Particle& p = particles[i];
        p.age += dt;
        if (p.age > p.life || p.position.y < cutoff) {
            particles.erase(particles.begin() + std::ptrdiff_t(i));
            continue;
        }
        p.velocity.y += accelerationY * dt;
        p.position += p.velocity * dt;
        p.size += p.sizeChange * dt;
    }
    float const r0 = Draw();
    if (life != kForever && !(elapsed < life))
        return;
    float const interval = Between(intervalMin, intervalMax, r0);
    while (interval < emissionClock && maxParticles != 0 && particles.size() < maxParticles) {
        emissionClock -= interval;
        Emit();
    }
}

void Particles::Emit()
{
    Particle p;
    p.position.x = Between(emitMin.x, emitMax.x, Draw());
    p.position.y = Between(emitMin.y, emitMax.y, Draw());
    p.position.z = Between(emitMin.z, emitMax.z, Draw());
    float const angle = 2.0f * Norv::kPiF * Draw();
    if (radius != 0.0f)
        p.position += PVRTVec3(std::cos(angle), 0.0f, std::sin(angle)) * radius;
    if (radialMin != 0.0f || radialMax != 0.0f) {
        float const speed = Between(radialMin, radialMax, Draw());
        float const vertical = Between(verticalMin, verticalMax, Draw());
        p.velocity = PVRTVec3(std::cos(angle) * speed, vertical, std::sin(angle) * speed);
    } else {
        p.velocity.x = Between(velocityMin.x, velocityMax.x, Draw());
        p.velocity.y = Between(velocityMin.y, velocityMax.y, Draw());
        p.velocity.z = Between(velocityMin.z, velocityMax.z, Draw());
    }
    p.life = Between(lifeMin, lifeMax, Draw());
    p.age = 0.0f;
    p.size = Between(float(sizeMin), float(sizeMax), Draw());
    p.sizeChange = Between(float(sizeChangeMin), float(sizeChangeMax), Draw());
    p.spin = Between(spinMin, spinMax, Draw());
    p.rotation = Between(rotationMin, rotationMax, Draw()) * kDegreesToRadians;
    // Rounded: the first and last textures come half as often as the others.
    p.texture = textures.empty() ? 0 : int(float(textures.size() - 1) * Draw() + 0.5f);
    p.atlasStart = int16_t(float(atlasColumns * atlasRows) * Draw());
    particles.push_back(p);
}

void Particles::AtlasCell(Particle const& particle, float cell[4]) const
{
    int const cells = atlasColumns * atlasRows;
    int const frame = int(particle.age * kAtlasFramesPerSecond + float(particle.atlasStart)) % cells;
    int const column = frame % atlasColumns;
    int const row = (frame / atlasColumns) % atlasRows;
    cell[0] = float(column) / float(atlasColumns);
    cell[1] = float(row) / float(atlasRows);
    cell[2] = cell[0] + 1.0f / float(atlasColumns);
    cell[3] = cell[1] + 1.0f / float(atlasRows);
}

void Particles::Render(PVRTMat4 const& cameraToWorld)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixf(cameraToWorld.inverse().f);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    if (transparent) {
        glDisable(GL_ALPHA_TEST);
        glDepthMask(GL_FALSE);
    }

    float const* m = cameraToWorld.f;
    PVRTVec3 const view = PVRTVec3(m[8], m[9], m[10]).normalized();
    PVRTVec3 const up = PVRTVec3(m[4], m[5], m[6]).normalized();
    PVRTVec3 const right = up.cross(view);
    PVRTVec3 const upright = view.cross(right);
    for (size_t t = 0; t < textures.size(); ++t) {
        vertices.clear();
        for (Particle const& p : particles) {
            if (p.texture != int(t))
                continue;
            float const theta = p.spin * p.age + p.rotation;
            PVRTVec3 const r = right * std::cos(theta) + upright * std::sin(theta);
            PVRTVec3 const u = upright * std::cos(theta) - right * std::sin(theta);
            float const h = p.size / 2.0f;
            float alpha = fadeOverLife ? 1.0f - p.age / p.life : 1.0f;
            if (opacity < 1.0f)
                alpha *= opacity;
            float cell[4];
            AtlasCell(p, cell);
            auto corner = [&](PVRTVec3 const& at, float s, float tc) {
                vertices.push_back({{at.x, at.y, at.z}, {1.0f, 1.0f, 1.0f, alpha}, {s, tc}});
            };
            corner(p.position - u * h - r * h, cell[0], cell[3]);
            corner(p.position + u * h - r * h, cell[0], cell[1]);
            corner(p.position + u * h + r * h, cell[2], cell[1]);
            corner(p.position - u * h + r * h, cell[2], cell[3]);
        }
        if (vertices.empty())
            continue;
        glBindTexture(GL_TEXTURE_2D, textures[t]);
        GLsizei const stride = sizeof(VertData);
        glVertexPointer(3, GL_FLOAT, stride, vertices[0].position);
        glColorPointer(4, GL_FLOAT, stride, vertices[0].colour);
        glTexCoordPointer(2, GL_FLOAT, stride, vertices[0].texCoord);
        glDrawArrays(GL_QUADS, 0, GLsizei(vertices.size()));
    }

    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (transparent) {
        glEnable(GL_ALPHA_TEST);
        glDepthMask(GL_TRUE);
    }
}
