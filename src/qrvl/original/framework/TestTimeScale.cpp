// The test-only speed of the game's clock.
#include "qrvl/original/framework/TestTimeScale.h"

#include <algorithm>
#include <cstdlib>

namespace TestTimeScale {

float Parse(char const* value)
{
    if (!value || !*value)
        return 1.0f;
    char* end = nullptr;
    float const scale = std::strtof(value, &end);
    if (*end != '\0' || !(scale >= 1.0f))
        return 1.0f;
    return std::min(scale, kMaxScale);
}

float Get()
{
    static float const scale = Parse(std::getenv(kVariable));
    return scale;
}

} // namespace TestTimeScale
