// Default behaviour of the batcher interface.
#include "norv/graphics/Batcher.h"

namespace Norv {

bool Batcher::SetScaling(NorvFloat const&)
{
    return false;
}

} // namespace Norv
