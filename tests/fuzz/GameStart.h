// A start of the game's engine as the program makes it, for harnesses of
// the files it reads at start and when a saved game is continued: the
// board's data from the source tree, the user's folder in a fresh data home,
// the in-game flow installed and a clock that moves only when ticked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class QuorvelEngine;

namespace GameStart {

// Makes the folders and installs the hooks; once per process.
void Prepare();

// Writes a file into the user's folder. The first input byte chooses the
// form: odd, the rest as it stands; even, the rest as a body that gets the
// file system's check trailer, so the body's reader is reached as often as
// the trailer check. False when there is no input to write.
bool PutUserFile(char const* name, uint8_t const* data, size_t size);

// The user's folder ("<data home>/Quorvel/"), after Prepare.
std::string const& UserFolder();

// A started engine (its options read).
std::unique_ptr<QuorvelEngine> Start();

// Ticks the engine's clock and the engine once.
void Tick(QuorvelEngine& engine);

} // namespace GameStart
