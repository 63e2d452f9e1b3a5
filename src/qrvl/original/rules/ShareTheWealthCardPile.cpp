// Fills the Share the Wealth pile: five exemptions, four of every other kind.
#include "qrvl/original/rules/ShareTheWealthCardPile.h"

#include "qrvl/original/rules/ShareTheWealthCard.h"

void ShareTheWealthCardPile::init()
{
    struct KindCount {
        int kind;
        int copies;
    };
    static const KindCount kContents[] = {
        {ShareTheWealthCard::kExemption, 5},
        {ShareTheWealthCard::kSpinTwice, 4},
        {ShareTheWealthCard::kSpinFour, 4},
        {ShareTheWealthCard::kSharePay, 4},
        {ShareTheWealthCard::kShareCollect, 4},
    };
    clear();
    for (const KindCount& entry : kContents) {
        for (int i = 0; i < entry.copies; ++i)
            append(ShareTheWealthCard::create(entry.kind));
    }
}

Card* ShareTheWealthCardPile::create(int id)
{
    return ShareTheWealthCard::create(id);
}
