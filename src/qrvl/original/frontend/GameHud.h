// Builds the HUD pages and installs them as the game's HUD, with the game's
// own screens over the in-game flow. The 3D layer calls this once while it
// loads the front end's resources, after the resource packs are mounted.
#pragma once

namespace qrvl {

void BuildGameHud();

} // namespace qrvl
