// A prop as a POD scene: up to a few mesh nodes, each drawing its own mesh
// with one material, and key-framed node motion.
#pragma once

#include "PropMesh.h"

#include <string>
#include <vector>

// Where a node stands at one key frame; frames between keys are
// interpolated.
struct NodeKey {
    int frame = 0;
    PVRTVec3 position{0, 0, 0};
    PVRTVec3 turn{0, 0, 0}; // degrees about x, then y, then z
    PVRTVec3 scale{1, 1, 1};
};

struct PropNode {
    std::string name;
    int material = 0;
    PropMesh mesh;
    std::vector<NodeKey> keys; // empty: the node rests at the origin
};

struct PropMaterial {
    std::string name;
    std::string texture; // as the exporter names it: "<stem>.png"
};

struct PropModel {
    std::string file; // "name.pod"
    std::vector<PropNode> nodes;
    std::vector<PropMaterial> materials;
    int frames = 0;
    int fps = 30;
    // Writes the second texture set and the tangent space too.
    bool tangentSpace = false;

    bool Write(std::string const& path) const;
};

// The node's transform at a frame, from its keys.
NodeKey KeyAt(std::vector<NodeKey> const& keys, float frame);
