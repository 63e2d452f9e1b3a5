// Up to six face-down cards in one or two rows on a choice screen; the
// player picks a given number of them and each picked card slides out.
#pragma once

#include "norv/base/core/SmartPtr.h"

namespace Guif {
class Control;
class Screen;
} // namespace Guif

namespace qrvl {

class CGuifPageChooseCard {
public:
    static constexpr int kMaxCards = 6;
    // A picked card's lift runs from 1 to this, one unit per millisecond.
    static constexpr int kFullLift = 400;
    // From this many cards on, they are laid out in two rows.
    static constexpr unsigned kTwoRowsFrom = 4;

    explicit CGuifPageChooseCard(Norv::SmartPtr<Guif::Screen> const& screen);
    virtual ~CGuifPageChooseCard() = default;

    void SetHeaderLabel(char const* id);
    void Setup(unsigned toSelect, unsigned shown);
    // The script's CardSelected with the card index 0-5.
    void HandleButtonSelected(int card);
    virtual void Update(int ms);
    // The picked cards, first pick last; null until all are picked and
    // have finished sliding.
    int const* GetSelections() const;

private:
    struct CardPosition {
        short x;
        short y;
        short rowOffset;
    };

    void UpdateCardOffsets(int ms);

    Norv::SmartPtr<Guif::Screen> screen;
    Guif::Control* frames[kMaxCards] = {};
    int selectionsLeft = 0;
    int selections[kMaxCards];
    int lifts[kMaxCards] = {};
    short rowOffset = 0;
    bool cardMoving = false;
    unsigned cardsShown = 0;
    // Where each card rests, and how far it slides out when picked.
    CardPosition cardPositions[kMaxCards] = {};
};

} // namespace qrvl
