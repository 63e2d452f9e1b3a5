// What a frame of the whole board costs: the triangles and the draw calls
// of the board, the wheel and every entity the world places, with six
// full cars and the marker and sparks showing, counted from the built
// files.
#pragma once

#include <string>
#include <vector>

struct SceneBudget {
    long triangles = 0;
    int drawCalls = 0;
    std::vector<std::string> unreadable; // files that did not load
};

// The folder holds board.pod and the props' environment/ and gameobjects/.
SceneBudget CountScene(std::string const& folder);
