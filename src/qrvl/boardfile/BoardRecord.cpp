#include "qrvl/boardfile/BoardRecord.h"

#include "qrvl/boardfile/BoardTokens.h"
#include "qrvl/boardfile/SkidPositions.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* const kTypeCodes[BoardRecord::kNumTypes] = {
    "PB", "CB", "LF", "TX", "LJ", "BB", "S2", "PD", "PR", "CC", "GM", "SH", "CJ", "BH", "BR", "LS",
    "BM", "NL", "MT", "EL", "SA", "PC", "OC", "PN", "RT", "B5", "SW", "WC", "SF", "HD", "HK", "HL",
};

int typeOfCode(const char* code)
{
    for (int type = 0; type < BoardRecord::kNumTypes; ++type) {
        if (std::strcmp(code, kTypeCodes[type]) == 0)
            return type;
    }
    return -1;
}

bool packsBaseAndPerChild(int type)
{
    return type == BoardRecord::PC || type == BoardRecord::SF || type == BoardRecord::HK;
}

} // namespace

const char* BoardRecord::space2string(int type)
{
    return type >= 0 && type < kNumTypes ? kTypeCodes[type] : "unknown";
}

bool BoardRecord::IsStopSpace() const
{
    switch (type) {
    case CC: case GM: case SH: case CJ: case BH: case BR: case RT: case B5:
        return true;
    default:
        return false;
    }
}

bool BoardRecord::IsPauseSpace() const
{
    return type == PD || type == PR;
}

bool BoardRecord::Read(BoardTokens& tokens, const SkidPositions* skidPositions)
{
    char token[BoardTokens::kTokenSize];
    if (!tokens.next(token))
        return false;
    displayCode = std::atoi(token);
    if (!skidPositions || !skidPositions->find(token, index, x, y)) {
        index = -1;
        x = y = 0;
    }
    int numbers[3];
    for (int& number : numbers) {
        if (!tokens.next(token))
            return false;
        number = std::atoi(token);
    }
    x2d = numbers[0];
    y2d = numbers[1];
    spriteFrame = numbers[2];

    if (!tokens.next(token))
        return false;
    // A name keeps its first eight characters.
    size_t nameLength = std::strlen(token);
    if (nameLength > kNameSize - 1)
        nameLength = kNameSize - 1;
    std::memcpy(name, token, nameLength);
    name[nameLength] = '\0';
    branchType = kNoBranch;

    if (!tokens.next(token))
        return false;
    int code = typeOfCode(token);
    if (code < 0) {
        tokens.setError("unknown space type");
        return false;
    }
    type = code;
    if (type == CJ)
        branchType = kCareerChangeBranch;
    else if (type == RT)
        branchType = kRetireBranch;
    else if (type == B5)
        branchType = kStartBranch;
    else if (type == BR && std::strcmp(name, "S91") == 0)
        branchType = kFamilyBranch;
    else if (type == BR && std::strcmp(name, "S120") == 0)
        branchType = kRiskyBranch;

    if (!tokens.next(token))
        return false;
    if (packsBaseAndPerChild(type)) {
        const char* ampersand = std::strchr(token, '&');
        int base = std::atoi(token);
        int perChild = ampersand ? std::atoi(ampersand + 1) : 0;
        value = static_cast<int>((static_cast<unsigned>(base) << 16) | (static_cast<unsigned>(perChild) & 0xFFFF));
    } else {
        value = std::atoi(token);
    }

    if (!tokens.next(token))
        return false;
    next = std::atoi(token);
    // The last token of the file may end at the end of the text.
    tokens.next(token);
    cameraMask = std::atoi(token);
    return true;
}
