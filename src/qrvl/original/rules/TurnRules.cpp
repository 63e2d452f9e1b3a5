#include "qrvl/original/rules/TurnRules.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

namespace TurnRules {

namespace {
constexpr int kBigGiftFrom = 8;
constexpr int kSmallGiftFrom = 5;
constexpr int kBigGift = 10000;
constexpr int kSmallGift = 5000;
constexpr int kPensionPerNumber = 10000;
// A computer player buys one of the first nine numbers, at this price.
constexpr int kComputerInvestments = 9;
constexpr int kInvestmentPrice = 10000;
constexpr int kComputerShareCards = 3;
} // namespace

Step AfterMove(int boardState, const Player& player, Memory& memory)
{
    switch (boardState) {
    case Board::kIdle:
        return MovesAgain(player) ? Step::SpinAgain : Step::EndTurn;
    case Board::kLostJob:
        return Step::LostJob;
    case Board::kSpinToWinSpin:
        return Step::SpinToWin;
    case Board::kFirstRollerResult:
        return Step::SpinForFirst;
    case Board::kSpinAgain:
        return Step::SpinAgain;
    case Board::kWeddingGiftSpin:
        memory.weddingSpun = !memory.weddingSpun;
        return memory.weddingSpun ? Step::WeddingSpin : Step::WeddingGifts;
    case Board::kPensionSpin:
        memory.pensionSpun = !memory.pensionSpun;
        return memory.pensionSpun ? Step::PensionSpin : Step::Pension;
    default:
        return Step::Wait;
    }
}

bool MovesAgain(const Player& player)
{
    BoardSpace* space = player.getCar() ? player.getCar()->GetCurrentSpace() : nullptr;
    return !player.isRetired() && space && space->IsStopSpace() && space->type != BoardSpace::RT;
}

int WeddingGift(int spinValue)
{
    return spinValue >= kBigGiftFrom ? kBigGift : (spinValue >= kSmallGiftFrom ? kSmallGift : 0);
}

int Pension(int spinValue)
{
    return spinValue * kPensionPerNumber;
}

CareerCard* TakeNewCareer(Player& player, CardPile& careers)
{
    CareerCard* card = careers.getNumCards() > 0 ? static_cast<CareerCard*>(careers.drawOne(true)) : player.getCareer();
    if (card)
        player.takeJob(card, false);
    return card;
}

int BuyComputerInvestment(Player& player, int owners[kInvestments])
{
    int free = 0;
    for (int i = 0; i < kComputerInvestments; ++i)
        free += owners[i] == kNoOwner;
    if (free == 0)
        return -1;
    int index;
    do
        index = RulesEngine::get().rand() % kComputerInvestments;
    while (owners[index] != kNoOwner);
    player.setInvestment(index);
    player.transactCash(-kInvestmentPrice, MoneyCause::InvestmentPurchase);
    owners[index] = player.getColor();
    return index;
}

void DealComputerShareCards(Player& player, CardPile& pile)
{
    for (int n = 0; n < kComputerShareCards; ++n) {
        if (auto* card = static_cast<ShareTheWealthCard*>(pile.drawOne(true)))
            player.addShareTheWealth(card);
    }
}

int RetirementWorth(const Player& player, bool withTiles)
{
    int worth = player.getCash() + kWorthPerChild * player.getNumChildren() - kWorthPerLoan * player.getLoans();
    if (player.getHouse())
        worth += player.getHouse()->price;
    if (withTiles) {
        for (Card* tile = player.getQuorvelCards(); tile; tile = tile->next)
            worth += static_cast<QuorvelCard*>(tile)->value;
    }
    return worth;
}

QuorvelCard* TakeLargestTile(Player& player, QuorvelCard** list)
{
    if (!list || !*list)
        return nullptr;
    QuorvelCard** largest = list;
    for (QuorvelCard** link = list; *link; link = reinterpret_cast<QuorvelCard**>(&(*link)->next)) {
        if ((*link)->value > (*largest)->value)
            largest = link;
    }
    QuorvelCard* tile = *largest;
    *largest = static_cast<QuorvelCard*>(tile->next);
    tile->next = nullptr;
    player.addQuorvelCard(tile);
    return tile;
}

} // namespace TurnRules
