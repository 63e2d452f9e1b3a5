// What a player presses when a game's turn waits for them, for the tests
// that play games on the engine object alone, without screens.
#pragma once

class ModeGame;
class QuorvelEngine;

namespace QuorvelTest {

// The game on top of the engine object's mode stack, or null.
ModeGame* GameOnTop(QuorvelEngine const& engine);

// The space bar at the wheel, the spin button while looking round, tap to
// play at a turn's start, next while events show, any button on a tutorial
// page; nothing in the other states.
void PressWhatTheTurnWaitsFor(QuorvelEngine& engine, ModeGame const& game);

} // namespace QuorvelTest
