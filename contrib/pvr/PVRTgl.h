// The OpenGL headers as the toolkit uses them, with the prototypes of the
// entry points above OpenGL 1.1 (shaders, compressed textures).
#pragma once

#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES
#endif
#include <GL/gl.h>
#include <GL/glext.h>
