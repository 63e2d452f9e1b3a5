// The installed ledger of the money the rules move, and the causes' names.
#include "qrvl/original/rules/MoneyLedger.h"

namespace {
thread_local MoneyLedger* installedLedger = nullptr;
}

void MoneyLedger::install(MoneyLedger* ledger)
{
    installedLedger = ledger;
}

MoneyLedger* MoneyLedger::installed()
{
    return installedLedger;
}

const char* MoneyCauseName(MoneyCause cause)
{
    switch (cause) {
    case MoneyCause::BoardRequest: return "board request";
    case MoneyCause::Unexplained: return "unexplained";
    case MoneyCause::Salary: return "salary";
    case MoneyCause::Taxes: return "taxes";
    case MoneyCause::TaxRefund: return "tax refund";
    case MoneyCause::SpacePayment: return "space payment";
    case MoneyCause::SpaceCollection: return "space collection";
    case MoneyCause::TileSpaceFee: return "tile space fee";
    case MoneyCause::CollegeFee: return "college fee";
    case MoneyCause::Lawsuit: return "lawsuit";
    case MoneyCause::ShareTheWealth: return "Share the Wealth";
    case MoneyCause::Loan: return "loan";
    case MoneyCause::InvestmentPurchase: return "investment purchase";
    case MoneyCause::InvestmentPrize: return "investment prize";
    case MoneyCause::HouseBought: return "house bought";
    case MoneyCause::HouseSold: return "house sold";
    case MoneyCause::WeddingGift: return "wedding gift";
    case MoneyCause::BabyGift: return "baby gift";
    case MoneyCause::DayCare: return "day care";
    case MoneyCause::Pension: return "pension";
    case MoneyCause::SpinToWinPrize: return "Spin to Win prize";
    case MoneyCause::SpinToWinStake: return "Spin to Win stake";
    }
    return "unknown";
}
