#include "qrvl/original/TurnRules.h"

#include "qrvl/original/CardPile.h"
#include "qrvl/original/CareerCard.h"
#include "qrvl/original/HouseCard.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/QuorvelCard.h"

namespace TurnRules {

namespace {
constexpr int kBigGiftFrom = 8;
constexpr int kSmallGiftFrom = 5;
constexpr int kBigGift = 10000;
constexpr int kSmallGift = 5000;
constexpr int kPensionPerNumber = 10000;
} // namespace

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
