// What the window tests read back from the game's save "quorvel.sav":
// each player's name, house and space, as the game wrote them at its last
// save.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace GameWindow {

struct SavedPlayer {
    std::string name;
    // The house card's id, -1 for none.
    int house = -1;
    // The space the car stands on, -1 while it is not on the board.
    int space = -1;
};

struct SavedGame {
    // False when there is no save, or it ends before its last player.
    bool read = false;
    std::vector<SavedPlayer> players;

    // The player of that name, or null.
    SavedPlayer const* Find(std::string const& name) const;
};

SavedGame ReadSavedGame(std::filesystem::path const& file);

} // namespace GameWindow
