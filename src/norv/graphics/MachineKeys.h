// The read-only registry keys under "/machine": the display's size and
// orientation, the platform and the OpenGL capabilities, computed on every
// read so that they always show the present state.
#pragma once

#include "norv/base/core/Any.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/RegistryKeyProtected.h"

namespace Norv {

class Registry;

// A protected key whose value is read from `Read` on every access.
template <class Protected, class Value, Value (*Read)()>
class MachineKey : public Protected {
public:
    Any GetData() const override { return Any(Read()); }
};

namespace MachineValues {
int ResolutionX();
int ResolutionY();
int Orientation();
NarrowString Platform();
bool GLFbo();
bool GLGlsl();
bool GLVbo();
bool GLPvr();
bool GLDxtc();
bool GLEtc();
int GLTextureSize();
int GLTextureUnits();
NarrowString GLVendor();
NarrowString GLRenderer();
NarrowString GLVersion();
} // namespace MachineValues

using MachineKeyResolutionX = MachineKey<RegistryKeyProtectedInt, int, &MachineValues::ResolutionX>;
using MachineKeyResolutionY = MachineKey<RegistryKeyProtectedInt, int, &MachineValues::ResolutionY>;
using MachineKeyOrientation = MachineKey<RegistryKeyProtectedInt, int, &MachineValues::Orientation>;
using MachineKeyPlatform = MachineKey<RegistryKeyProtectedString, NarrowString, &MachineValues::Platform>;
using MachineKeyGL_FBO = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLFbo>;
using MachineKeyGL_GLSL = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLGlsl>;
using MachineKeyGL_VBO = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLVbo>;
using MachineKeyGL_PVR = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLPvr>;
using MachineKeyGL_DXTC = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLDxtc>;
using MachineKeyGL_ETC = MachineKey<RegistryKeyProtectedBool, bool, &MachineValues::GLEtc>;
using MachineKeyGLTextureSize = MachineKey<RegistryKeyProtectedInt, int, &MachineValues::GLTextureSize>;
using MachineKeyGLTextureUnits = MachineKey<RegistryKeyProtectedInt, int, &MachineValues::GLTextureUnits>;
using MachineKeyGLVendor = MachineKey<RegistryKeyProtectedString, NarrowString, &MachineValues::GLVendor>;
using MachineKeyGLRenderer = MachineKey<RegistryKeyProtectedString, NarrowString, &MachineValues::GLRenderer>;
using MachineKeyGLVersion = MachineKey<RegistryKeyProtectedString, NarrowString, &MachineValues::GLVersion>;

// Makes the "/machine" nodes and keys; called once for a new registry.
// Reading them asks the display and OpenGL only then.
void AddMachineKeys(Registry& registry);

} // namespace Norv
