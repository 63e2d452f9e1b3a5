// The Share the Wealth card texts by kind.
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include "qrvl/original/rules/RulesEngine.h"

ShareTheWealthCard* ShareTheWealthCard::create(int kind)
{
    const char* title = nullptr;
    const char* text = nullptr;
    switch (kind) {
    case kShareCollect: title = "S_SHR"; text = "S_SHR_COL"; break;
    case kSharePay: title = "S_SHR"; text = "S_SHR_PAY"; break;
    case kExemption: title = "S_EXMP"; text = "S_EXMP_TEXT"; break;
    case kSpinTwice: title = "S_SPN2"; text = "S_SPN22_TXT"; break;
    case kSpinFour: title = "S_SPN2"; text = "S_SPN24_TXT"; break;
    case kNoCard: title = "S_SPN2"; text = "S_STW_NOPLAYCARD"; break;
    default:
        RulesEngine::get().fatal("Unknown STWCard");
        return nullptr;
    }
    ShareTheWealthCard* card = new ShareTheWealthCard;
    card->id = kind;
    card->titleId = title;
    card->textId = text;
    return card;
}
