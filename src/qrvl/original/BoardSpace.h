// One space of the board: its kind, its amount, where the car goes next,
// and the money and family effects it has on the player who lands on it.
#pragma once

#include "qrvl/port/Nurbs.h"

#include "norv/base/core/SmartPtr.h"

class BoardPresenter;
class FGDataReader;
class Player;
class SkidPositions;

class BoardSpace {
public:
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
    // A token holds at most this many characters, plus the terminator.
    static constexpr int kTokenSize = 48;
    static constexpr int kNameSize = 9;

    BoardSpace();

    // Reads one record of nine tokens; false when the data ends early, a
    // token is too long or the type code is unknown.
    bool Read(FGDataReader* reader, const SkidPositions* skidPositions);
    // Reads one token; false at the end of the data or for an over-long token.
    static bool GetToken(FGDataReader* reader, char* buffer);
    static const char* space2string(int type);

    bool IsStopSpace() const;
    bool IsPauseSpace() const;
    int GetHudColor() const;
    int GetPortrait() const;
    static int calcPayPerChild(const Player* player, int value);

    void Process(Player* player, BoardPresenter* presenter) const;
    void ProcessPostAnim(Player* player) const;
    void CheckForJournalEvents(Player* player) const;

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
    float position[3];
    // The car path this space lies on (null: none), its distance along it,
    // and whether it is the first space laid on that path.
    Norv::SmartPtr<Nurbs> path;
    float pathDistance = 0.0f;
    bool startsPath = false;
    int branchType = kNoBranch;
};
