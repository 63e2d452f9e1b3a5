// Turning image files into surfaces.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

class SeekableStream;
class Surface;

// A new surface (reference count 0) from a stream any image reader accepts,
// or null.
Surface* LoadSurface(SeekableStream* stream);
// The same for a file opened through the virtual file system.
Surface* LoadSurface(NarrowString const& name);

} // namespace Norv
