// Turning image files into surfaces.
#include "norv/graphics/LoadSurface.h"

#include "norv/graphics/ImageLoader.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/Vfs.h"

namespace Norv {

Surface* LoadSurface(SeekableStream* stream)
{
    SmartPtr<ImageLoader> reader(ImageLoader::Create(stream));
    return reader ? reader->Read() : nullptr;
}

Surface* LoadSurface(NarrowString const& name)
{
    SmartPtr<SeekableStream> file(OpenFile(name.c_str()));
    return LoadSurface(file.Get());
}

} // namespace Norv
