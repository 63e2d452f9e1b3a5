// One record of the board file: a space's kind, its amount, where the car
// goes next, and where the flat board draws it.
#pragma once

class BoardTokens;
class SkidPositions;

struct BoardRecord {
    enum SpaceType {
        PB, CB, LF, TX, LJ, BB, S2, PD, PR, CC, GM, SH, CJ, BH, BR, LS,
        BM, NL, MT, EL, SA, PC, OC, PN, RT, B5, SW, WC, SF, HD, HK, HL,
        kNumTypes
    };
    // Kinds of fork screen; kNoBranch opens none.
    enum BranchType {
        kStartBranch = 0, kCareerChangeBranch = 1, kFamilyBranch = 2,
        kRiskyBranch = 3, kRetireBranch = 4, kNoBranch = 5
    };
    static constexpr int kNameSize = 9;

    // Reads one record of nine tokens; false when the text ends early, a
    // token is too long or the type code is unknown (the tokens say why).
    bool Read(BoardTokens& tokens, const SkidPositions* skidPositions);
    static const char* space2string(int type);
    // A moving car ends its move on a stop space and halts for a moment on a
    // pause space (the pay days).
    bool IsStopSpace() const;
    bool IsPauseSpace() const;

    int x2d = 0;
    int y2d = 0;
    int spriteFrame = 0;
    int cameraMask = 0;
    char name[kNameSize] = {};
    int type = NL;
    int value = 0;
    int next = -1;
    int index = -1;
    int x = 0;
    int y = 0;
    int displayCode = 0;
    int branchType = kNoBranch;
};
