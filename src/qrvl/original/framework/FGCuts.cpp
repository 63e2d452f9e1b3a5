// Parsing cut files into cuts and animations, and finding them by name.
#include "qrvl/original/framework/FGCuts.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGFileSystem.h"

#include <cstdio>
#include <memory>

namespace {

// Six ints and a name.
constexpr int kCutRecordBytes = 6 * 4 + FGDataReader::kStringHeaderBytes;
// A name, the frame time and the frame count.
constexpr int kAnimationRecordBytes = FGDataReader::kStringHeaderBytes + 4 + 4;
constexpr int kFrameRecordBytes = 4;
// getCut never treats this number as a cut's name.
constexpr int kNoCutNumber = -1;
// The hash slot of a numeric name: no byte sum is negative, so the text
// lookup never finds it.
constexpr int kNumericName = -1;

} // namespace

void FGCuts::clear()
{
    cuts.clear();
    cutNames.clear();
    cutHashes.clear();
    cutNumbers.clear();
    animations.clear();
    animationNames.clear();
    animationHashes.clear();
}

bool FGCuts::init(FGFileSystem& files, int sheetWidth, int sheetHeight, char const* fileName)
{
    clear();
    std::unique_ptr<FGData> file = files.getFile(fileName);
    if (!file) {
        std::fprintf(stderr, "FGCuts: could not load cutfile data (%s)\n", fileName);
        return false;
    }
    FGDataReader reader;
    reader.init(file.get());
    if (reader.readInt() != kVersion) {
        std::fprintf(stderr, "FGCuts: invalid cutfile version. Are you using the latest CutTool? (%s)\n", fileName);
        return false;
    }
    if (!read(reader, sheetWidth, sheetHeight)) {
        std::fprintf(stderr, "FGCuts: %s is damaged\n", fileName);
        clear();
        return false;
    }
    return true;
}

bool FGCuts::read(FGDataReader& reader, int sheetWidth, int sheetHeight)
{
    int const cutCount = reader.readCount(kCutRecordBytes);
    cuts.resize(static_cast<size_t>(cutCount));
    for (FGCutImage& cut : cuts) {
        int fields[6];
        for (int& field : fields)
            field = reader.readInt();
        cut.init(sheetWidth, sheetHeight, fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
        FGString const name = reader.readUTF();
        bool const numeric = name.canParseToInt();
        cutNames.push_back(numeric ? FGString() : name);
        cutHashes.push_back(numeric ? kNumericName : name.getHash());
        cutNumbers.push_back(numeric ? name.toInt() : kNoCutNumber);
    }
    int const animationCount = reader.readCount(kAnimationRecordBytes);
    for (int i = 0; i < animationCount && !reader.hasError(); ++i) {
        Animation animation;
        animation.name = reader.readUTF();
        animation.frameTime = reader.readInt();
        int const frameCount = reader.readCount(kFrameRecordBytes);
        for (int frame = 0; frame < frameCount; ++frame) {
            int const cut = reader.readInt();
            if (cut < 0 || cut >= cutCount)
                return false;
            animation.frames.push_back(&cuts[static_cast<size_t>(cut)]);
        }
        animationHashes.push_back(animation.name.getHash());
        animationNames.push_back(animation.name);
        animations.push_back(std::move(animation));
    }
    return !reader.hasError();
}

int FGCuts::getHashSearchIdx(char const* name, std::vector<FGString> const& names, std::vector<int> const& hashes)
{
    int const hash = FGString::getHash(name);
    for (size_t i = 0; i < names.size() && i < hashes.size(); ++i)
        if (hashes[i] == hash && names[i].equals(name))
            return static_cast<int>(i);
    return -1;
}

FGCutImage const* FGCuts::getCut(char const* name) const
{
    if (!name)
        return nullptr;
    int const named = getHashSearchIdx(name, cutNames, cutHashes);
    if (named >= 0)
        return &cuts[static_cast<size_t>(named)];
    FGString const text(name);
    int const number = text.toInt();
    if (!text.canParseToInt() || number == kNoCutNumber)
        return nullptr;
    for (size_t i = cuts.size(); i-- > 0;)
        if (cutHashes[i] == kNumericName && cutNumbers[i] == number)
            return &cuts[i];
    return nullptr;
}

FGCuts::Animation const* FGCuts::getAnimation(char const* name) const
{
    int const index = name ? getHashSearchIdx(name, animationNames, animationHashes) : -1;
    return index < 0 ? nullptr : &animations[static_cast<size_t>(index)];
}
