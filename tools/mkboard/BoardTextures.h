// The board's pictures, drawn in code: the land's grain, the road, water,
// a stream, and a plate for each kind of space.
#pragma once

#include "Picture.h"

#include <string>
#include <vector>

// The kinds of space plate, each with its own colour and mark.
enum class PlateKind { Event, Payday, Stop, Lawsuit, SpinToWin, ShareTheWealth, House, Retire, Count };

struct PlateStyle {
    PlateKind kind;
    char const* file; // as named in the board's model
    uint32_t colour;
};

std::vector<PlateStyle> const& PlateStyles();

Picture LandGrain();
Picture RoadSurface();
Picture WaterSurface();
Picture StreamSurface();
Picture PlatePicture(PlateStyle const& style);

// Writes every picture as "<stem>.pvr" into the folder; false on a failed
// write.
bool WriteBoardPictures(std::string const& folder);
