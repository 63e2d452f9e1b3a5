// Turning indexed triangle lists into triangle strips.
#pragma once

// Strips for the triangleCount triangles (three indices each): *strips gets
// the strips' indices one strip after the other, *stripLengths the number
// of triangles of each strip and *stripCount their number. Both arrays are
// malloc'ed and the caller's to free.
void PVRTTriStrip(unsigned int** strips, unsigned int** stripLengths, unsigned int* stripCount,
                  unsigned int const* triangles, unsigned int triangleCount);

// Reorders the triangle list in place into strip order, keeping every
// triangle's winding.
void PVRTTriStripList(unsigned int* triangles, unsigned int triangleCount);
