// The benchmark's running game switch.
#include "qrvl/original/frontend/BenchGame.h"

#include <cstdlib>

namespace qrvl {

bool IsBenchGame()
{
    static bool const set = std::getenv("QUORVEL_BENCH_GAME") != nullptr;
    return set;
}

} // namespace qrvl
