// The oldest SDL the shell accepts.
#include "norv/application/sdl/SdlVersion.h"

#include <gtest/gtest.h>

namespace {

TEST(SdlVersionTest, AcceptsOneTwoFourteenAndLater)
{
    struct Case {
        Uint8 major, minor, patch;
        bool supported;
    };
    Case const cases[] = {
        {1, 2, 13, false}, {1, 1, 255, false}, {0, 255, 255, false},
        {1, 2, 14, true},  {1, 2, 15, true},   {1, 3, 0, true}, {2, 0, 0, true},
    };
    for (Case const& c : cases) {
        SDL_version const version = {c.major, c.minor, c.patch};
        EXPECT_EQ(Norv::IsSdlVersionSupported(version), c.supported)
            << int(c.major) << "." << int(c.minor) << "." << int(c.patch);
    }
}

} // namespace
