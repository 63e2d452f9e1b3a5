// A saved game of six players whose cars stand together on the road, for
// the window tests that look at every car at once: played past its first
// round by the game's own rules in this process and written by the game's
// own save writer into a user data folder, where Continue finds it.
#pragma once

#include <filesystem>

namespace GameWindow {

// The spaces the six cars stand on, one each in seat order: the first of
// the college road, which the wheel's view of the start holds.
constexpr int kSixCarSpaces[] = {1, 2, 3, 4, 5, 6};

// Writes "Quorvel/quorvel.sav" into `dataHome`; false when the game could
// not be played or saved.
bool WriteSixCarGame(std::filesystem::path const& dataHome, unsigned seed);

} // namespace GameWindow
