// The readable description of the props: a palette of named colours and,
// model by model, nodes of solids from the kit, key frames, and the
// pictures the models need. See data/props/README.md for the language.
#pragma once

#include "PropModel.h"

#include "Picture.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A picture drawn in code for a node ("glow", "labels", "posters" ...),
// with the words it shows, if any.
struct PictureRequest {
    std::string kind;
    std::string stem; // written as <folder><stem>.pvr
    std::string folder;
    std::vector<std::string> words; // text ids or poster lines
    std::vector<uint32_t> colours; // poster backgrounds and letters
};

// A colour swatch: one cell per colour the model uses.
struct SwatchRequest {
    std::string stem;
    std::string folder;
    std::vector<uint32_t> colours;
};

struct PropModelSource {
    PropModel model;
    std::string folder; // "environment/", "gameobjects/" or "" for the root
    bool written = true; // a template is only copied by others
};

struct PropSet {
    std::vector<PropModelSource> models;
    std::vector<SwatchRequest> swatches;
    std::vector<PictureRequest> pictures;
};

// The land's height at (x, z), for models placed on the board.
using LandHeight = std::function<float(float x, float z)>;

class Description {
public:
    explicit Description(LandHeight land)
        : land(std::move(land))
    {
    }

    // Reads one description file into the set; false with a message
    // naming the line on anything it cannot read.
    bool Read(std::string const& path, PropSet& set, std::string& error);

private:
    LandHeight land;
    std::map<std::string, uint32_t> palette;
};
