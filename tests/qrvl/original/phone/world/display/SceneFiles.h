// Model and texture files for the drawing tests, written by the project's
// own POD writer and PVR texture creation into a mounted temporary folder.
#pragma once

#include <string>

// A window-filling quad (-1..1 in x and y) with texture coordinates,
// interleaved, one material whose diffuse texture is stored as
// `textureName`, and a mesh node named `nodeName` moved by its keys from
// x = 0 at frame 0 to x = `shiftAtFrameOne` at frame 1 (two frames at 30
// per second). True when the writer saved it.
bool WriteQuadPod(std::string const& path, char const* textureName, char const* nodeName, float shiftAtFrameOne);

// Two skinned half-window quads (x -1..0 and 0..1, y -1..1) on two mesh
// nodes, every vertex bound wholly to one bone node that rises by `rise`
// from frame 0 to frame 1; one textured material as above.
bool WriteSkinnedPod(std::string const& path, char const* textureName, float rise);

// A 2 x 2 RGBA 8888 PVR file: the left column `left`, the right `right`
// (0xRRGGBBAA each).
bool WriteTwoColourPvr(std::string const& path, unsigned int left, unsigned int right);
