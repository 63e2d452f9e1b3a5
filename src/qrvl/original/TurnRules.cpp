#include "qrvl/original/TurnRules.h"

#include "qrvl/original/CardPile.h"
#include "qrvl/original/CareerCard.h"
#include "qrvl/original/Player.h"

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

} // namespace TurnRules
