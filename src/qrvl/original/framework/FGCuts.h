// A cut file: how one sheet image is cut into named rectangles and how the
// cuts form named frame animations.
#pragma once

#include "qrvl/original/framework/FGCutImage.h"
#include "qrvl/original/framework/FGString.h"

#include <vector>

class FGDataReader;
class FGFileSystem;

class FGCuts {
public:
    static constexpr int kVersion = 1;

    // A named sequence of cuts shown one after another.
    struct Animation {
        FGString name;
        int frameTime = 0; // milliseconds per frame
        std::vector<FGCutImage const*> frames;
    };

    FGCuts() = default;
    FGCuts(FGCuts const&) = delete;
    FGCuts& operator=(FGCuts const&) = delete;

    // Reads the cut file for a sheet of the given size through `files`;
    // false, leaving the set empty, when the file is missing, of another
    // version or damaged.
    bool init(FGFileSystem& files, int sheetWidth, int sheetHeight, char const* fileName);

    // The cut of that name; otherwise, for a number other than -1, the last
    // cut stored under that number; otherwise null.
    FGCutImage const* getCut(char const* name) const;
    // The animation of that name, or null.
    Animation const* getAnimation(char const* name) const;
    int getNumCuts() const { return static_cast<int>(cuts.size()); }
    int getNumAnimations() const { return static_cast<int>(animations.size()); }

    // The first index whose hash and text both match, or -1.
    static int getHashSearchIdx(char const* name, std::vector<FGString> const& names, std::vector<int> const& hashes);

private:
    bool read(FGDataReader& reader, int sheetWidth, int sheetHeight);
    void clear();

    // Cuts (sized once, so the animations' frame pointers stay valid), their
    // text names and hashes, and the numbers of numeric names.
    std::vector<FGCutImage> cuts;
    std::vector<FGString> cutNames;
    std::vector<int> cutHashes;
    std::vector<int> cutNumbers;
    std::vector<Animation> animations;
    std::vector<FGString> animationNames;
    std::vector<int> animationHashes;
};
