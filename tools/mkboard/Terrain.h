// What the land is made of at a point, and the codes the pick pass reads
// from the red channel of a ground patch's colour.
#pragma once

#include "HeightField.h"

enum class Ground { Grass, Sand, Snow, Water };

// The red channel of a ground patch: 254 grass, 253 sand, 251 snow, 250
// water. Never 255, which marks the board's spaces.
int GroundCode(Ground ground);
Ground GroundAt(Layout const& layout, HeightField const& land, float x, float z);
