// A token that holds the batcher's drawing state while it lives.
#pragma once

#include "norv/base/core/RefCounter.h"

namespace Norv {

class BatcherFreeze : public RefCounter {};

} // namespace Norv
