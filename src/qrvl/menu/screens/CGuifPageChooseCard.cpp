// The card choice's layout, picks and slide-out.
#include "qrvl/menu/screens/CGuifPageChooseCard.h"

#include "guif/Control.h"
#include "guif/Graphic.h"
#include "guif/Screen.h"
#include "qrvl/menu/screens/ScreenControls.h"

#include <algorithm>
#include <cstdio>

namespace qrvl {

CGuifPageChooseCard::CGuifPageChooseCard(Norv::SmartPtr<Guif::Screen> const& owner)
    : screen(owner)
{
    std::fill(std::begin(selections), std::end(selections), -1);
    Guif::Control* background = screen->FindControl("Card1Bkg");
    if (background && background->GetCurrentRepresentation())
        rowOffset = static_cast<short>(background->GetCurrentRepresentation()->GetItem()->GetBoundingBox().height / 4);
    for (int i = 0; i < kMaxCards; ++i) {
        // Room for any int: the compiler's truncation check may not know i's range.
        char name[24];
        std::snprintf(name, sizeof name, "Card%dFrame", i + 1);
        frames[i] = screen->FindControl(name);
        if (!frames[i]) {
            std::fprintf(stderr, "Card choice: no control %s\n", name);
            continue;
        }
        cardPositions[i].x = static_cast<short>(frames[i]->GetX());
        cardPositions[i].y = static_cast<short>(frames[i]->GetY());
        cardPositions[i].rowOffset = static_cast<short>(i < kMaxCards / 2 ? -rowOffset : rowOffset);
    }
}

void CGuifPageChooseCard::SetHeaderLabel(char const* id)
{
    SetLineText(screen.Get(), "FrameHeader", id, false);
}

void CGuifPageChooseCard::Setup(unsigned toSelect, unsigned shown)
{
    cardsShown = std::min<unsigned>(std::max(shown, 1u), kMaxCards);
    selectionsLeft = static_cast<int>(std::min(cardsShown, toSelect));
    cardMoving = false;
    std::fill(std::begin(selections), std::end(selections), -1);
    std::fill(std::begin(lifts), std::end(lifts), 0);
    unsigned const firstRow = shown >= kTwoRowsFrom ? (shown + 1) / 2 : kMaxCards;
    for (unsigned i = 0; i < kMaxCards; ++i) {
        if (frames[i]) {
            frames[i]->SetVisibilityExists(true);
            frames[i]->SetVisibleFlag(i < cardsShown);
        }
        cardPositions[i].rowOffset = static_cast<short>(i < firstRow ? -rowOffset : rowOffset);
    }
}

void CGuifPageChooseCard::HandleButtonSelected(int card)
{
    if (card < 0 || card >= static_cast<int>(cardsShown) || selectionsLeft <= 0 || lifts[card] != 0)
        return;
    lifts[card] = 1;
    selections[selectionsLeft - 1] = card;
    --selectionsLeft;
}

void CGuifPageChooseCard::Update(int ms)
{
    UpdateCardOffsets(ms);
}

void CGuifPageChooseCard::UpdateCardOffsets(int ms)
{
    cardMoving = false;
    for (int i = 0; i < kMaxCards; ++i) {
        if (lifts[i] == 0 || lifts[i] == kFullLift)
            continue;
        cardMoving = true;
        lifts[i] = std::min(kFullLift, lifts[i] + ms);
        if (!frames[i])
            continue;
        CardPosition const& rest = cardPositions[i];
        frames[i]->SetX(rest.x);
        frames[i]->SetY(static_cast<float>(rest.y + rest.rowOffset * lifts[i] / kFullLift));
    }
}

int const* CGuifPageChooseCard::GetSelections() const
{
    if (selectionsLeft > 0 || cardMoving)
        return nullptr;
    return selections;
}

} // namespace qrvl
