// A benchmark's way into a running game, which players never see: with the
// environment variable QUORVEL_BENCH_GAME set, the main menu starts a new
// game at once, and the game's choice screens take their default answers by
// themselves, so the board comes up without input.
#pragma once

namespace qrvl {

bool IsBenchGame();

} // namespace qrvl
