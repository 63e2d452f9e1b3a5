// The props' textures, drawn in code: colour swatches, the car's normal
// map, the marker's glow, sparks, butterflies, the rubber ring's stripes,
// the chasing arrows, and words (labels and posters) set with FreeType.
#pragma once

#include "Description.h"
#include "Picture.h"

#include <string>
#include <vector>

Picture SwatchPicture(std::vector<uint32_t> const& colours);

// Words set in a font, one line a row of the picture; false when the font
// cannot be opened.
struct WordsStyle {
    int width = 512, height = 512, rows = 8;
    bool outlined = true; // white letters with a dark edge on clear
    std::vector<uint32_t> colours; // else: background and ink, per row
};
bool WordsPicture(std::string const& font, std::vector<std::string> const& lines, WordsStyle const& style,
                  Picture& out);

// Pictures of the kinds a node can ask for, except words; false for an
// unknown kind.
bool DrawnPicture(std::string const& kind, Picture& out);
