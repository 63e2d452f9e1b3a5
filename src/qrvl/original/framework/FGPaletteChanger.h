// Colour replacements of the framework's own 2D layer, once used to
// recolour images; the game recolours nothing.
#pragma once

#include <vector>

class FGImage;

class FGPaletteChanger {
public:
    struct Replacement {
        unsigned char from[3];
        unsigned char to[3];
    };

    void init() {}
    void addReplacement(Replacement const& replacement) { replacements.push_back(replacement); }
    int getCount() const { return static_cast<int>(replacements.size()); }
    // Replaces the three colour bytes at the offset by the first match.
    void adjustTriplet(unsigned char* data, int offset) const;
    // A new empty image: there is nothing to recolour.
    FGImage* createRepalettedImage() const;

private:
    std::vector<Replacement> replacements;
};
