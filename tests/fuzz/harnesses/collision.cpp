// collision.dat: the board's ground patches read by the 3D scene's loader,
// opened by name through the virtual file system.
#include "FuzzFolder.h"
#include "qrvl/original/phone/world/CWorld.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("collision.dat", data, size);
    CWorld& world = CWorld::GetWorld();
    world.LoadCollisionMesh();
    // A count past the end of the file keeps only the whole records there:
    // four corners for each 16-byte record after the 4-byte count.
    size_t const records = size < 4 ? 0 : (size - 4) / 16;
    if (world.GetCollisionMesh().size() > 4 * records)
        std::abort();
    return 0;
}
