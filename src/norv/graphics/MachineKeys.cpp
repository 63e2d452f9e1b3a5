// The values of the machine keys and their place in the registry.
#include "norv/graphics/MachineKeys.h"

#include <memory>

#include "norv/base/Registry.h"
#include "norv/graphics/Display.h"
#include "norv/graphics/OpenGL.h"

namespace Norv {

namespace {

// Orientation codes as degrees of turn; other codes (portrait) are 0.
constexpr int kLandscapeDegrees = 90;
constexpr int kUpsideDownDegrees = 180;
constexpr int kLandscapeRightDegrees = 270;

Surface const* Screen()
{
    Display const* display = Display::GetCurrent();
    return display ? display->GetScreen() : nullptr;
}

template <class Key>
void Add(Registry& registry, NarrowString const& nodePath, char const* name)
{
    RegistryNode* node = registry.GetNode(nodePath, false, true);
    if (node)
        node->keys[name] = std::make_unique<Key>();
}

} // namespace

namespace MachineValues {

int ResolutionX()
{
    Surface const* screen = Screen();
    return screen ? screen->GetWidth() : 0;
}

int ResolutionY()
{
    Surface const* screen = Screen();
    return screen ? screen->GetHeight() : 0;
}

int Orientation()
{
    Display const* display = Display::GetCurrent();
    switch (display ? static_cast<int>(display->GetOrientation()) : 0) {
    case 2: return kLandscapeDegrees;
    case 4: return kUpsideDownDegrees;
    case 8: return kLandscapeRightDegrees;
    default: return 0;
    }
}

NarrowString Platform()
{
    return "macos";
}

bool GLFbo() { return GetGLCaps().fbo; }
bool GLGlsl() { return GetGLCaps().glsl; }
bool GLVbo() { return GetGLCaps().vbo; }
bool GLPvr() { return GetGLCaps().pvrtc; }
bool GLDxtc() { return GetGLCaps().dxtc; }
bool GLEtc() { return GetGLCaps().etc1; }
int GLTextureSize() { return GetGLCaps().maxTextureSize; }
int GLTextureUnits() { return GetGLCaps().maxTextureUnits; }
NarrowString GLVendor() { return GetGLVendor(); }
NarrowString GLRenderer() { return GetGLRenderer(); }
NarrowString GLVersion() { return GetGLVersion(); }

} // namespace MachineValues

void AddMachineKeys(Registry& registry)
{
    Add<MachineKeyResolutionX>(registry, "/machine/resolution", "x");
    Add<MachineKeyResolutionY>(registry, "/machine/resolution", "y");
    Add<MachineKeyOrientation>(registry, "/machine", "orientation");
    Add<MachineKeyPlatform>(registry, "/machine", "platform");
    Add<MachineKeyGL_FBO>(registry, "/machine/gl", "fbo");
    Add<MachineKeyGL_GLSL>(registry, "/machine/gl", "glsl");
    Add<MachineKeyGL_VBO>(registry, "/machine/gl", "vbo");
    Add<MachineKeyGL_PVR>(registry, "/machine/gl", "pvr");
    Add<MachineKeyGL_DXTC>(registry, "/machine/gl", "dxtc");
    Add<MachineKeyGL_ETC>(registry, "/machine/gl", "etc");
    Add<MachineKeyGLTextureSize>(registry, "/machine/gl", "texsize");
    Add<MachineKeyGLTextureUnits>(registry, "/machine/gl", "tmu");
    Add<MachineKeyGLVendor>(registry, "/machine/gl", "vendor");
    Add<MachineKeyGLRenderer>(registry, "/machine/gl", "renderer");
    Add<MachineKeyGLVersion>(registry, "/machine/gl", "version");
}

} // namespace Norv
