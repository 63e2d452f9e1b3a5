// The rules that move money or tiles between players: Share the Wealth
// cards, lawsuits, stealing tiles, baby gifts, day care, Spin to Win and
// the Share the Wealth draw.
#include "qrvl/original/rules/Board.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/ChoiceScreens.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/rules/MoneyLedger.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <string>

namespace {

constexpr int kShortWaitMs = 2250;
constexpr int kLongWaitMs = 4500;
constexpr int kCardPopupMs = 3000;
constexpr int kLawsuitAmount = 100000;
constexpr int kBabyGift = 5000;
constexpr int kSpinToWinOdds = 10;          // wheel numbers out of 100 for one number
constexpr int kSpinToWinPrizeFactor = 10;
constexpr int kDefaultWager = 5000;
constexpr int kPnpFlag = 0x80;

int atLeast(int ms, int floor)
{
    return ms > floor ? ms : floor;
}

const char* cardWord(int kind)
{
    return kind == ShareTheWealthCard::kShareCollect ? "S_CLCT" : "S_PAY";
}

} // namespace

void Board::moveBetween(Player* payer, Player* payee, int sum, MoneyCause cause)
{
    payer->payTo(payee, sum, cause);
}

int Board::transferBetween(Player* from, Player* to, int half, int kind)
{
    if (kind == ShareTheWealthCard::kSharePay)
        return presenter->enterMoneyTransferSTWPay(from->getCharacter(), to->getCharacter(), half);
    // Seen from the current player's side of the overlay.
    if (from != currentPlayer)
        return presenter->enterMoneyTransferWithPlayer(from->getCharacter(), -half);
    return presenter->enterMoneyTransferWithPlayer(to->getCharacter(), half);
}

Player* Board::askedHuman() const
{
    if (isPNP)
        return currentPlayer;
    // A game of computer players only (a simulator's) has nobody to ask.
    if (humanIndex < 0 || humanIndex >= numPlayers || players[humanIndex]->isComputer())
        return nullptr;
    return players[humanIndex];
}

Player* Board::playerWithMostCash(int exclude) const
{
    Player* richest = nullptr;
    int most = -1000000;
    for (int i = 0; i < numPlayers; ++i) {
        if (i == exclude)
            continue;
        if (players[i]->getCash() > most) {
            most = players[i]->getCash();
            richest = players[i];
        }
    }
    return richest;
}

Player* Board::playerToStealQuorvelTokenFrom(int exclude) const
{
    Player* richest = nullptr;
    for (int i = 0; i < numPlayers; ++i) {
        Player* player = players[i];
        if (i == exclude || player->getNumQuorvelCards() == 0 || (player->isRetired() && player->getHome() == 1))
            continue;
        if (!richest || player->getCash() > richest->getCash())
            richest = player;
    }
    return richest;
}

void Board::payBank(Player* player, const BoardSpace* space)
{
    bool perChild = space->type == BoardSpace::PC || space->type == BoardSpace::SF || space->type == BoardSpace::HK;
    int due = perChild ? BoardSpace::calcPayPerChild(player, space->value) : space->value;
    if (due == 0) {
        displayCurrSpace(kSpaceShown, kSpaceTextMs);
        return;
    }
    RulesEngine::get().vibrate(250);
    Player* richest = playerWithMostCash(currentPlayerIndex);
    if (!player->hasSTWCard(ShareTheWealthCard::kSharePay) || !richest) {
        displayCurrSpace(kSpaceShown, kSpaceTextMs);
        return;
    }
    amount = due;
    if (player->isComputer()) {
        cardHolder = player;
        cardTarget = richest;
        cardKind = ShareTheWealthCard::kSharePay;
        showSpaceThen(kSpaceTextMs, kPlayShareCard);
    } else {
        showSpaceThen(kSpaceTextMs, kAskUsePayCard);
    }
}

void Board::askPayCard()
{
    state = kUsePayCardAnswer;
    screens->pushYesNo({{"S_USE_PAY", {}}}, {{"S_PLYR_USE_PAY", {GameUtil::getMoneyString(amount)}}}, {});
}

void Board::answerPayCard()
{
    if (RulesEngine::get().lastChoice != 0) {
        state = kIdle;
        return;
    }
    if (numPlayers == 2) {
        useSTWCard(currentPlayer, players[1 - currentPlayerIndex], ShareTheWealthCard::kSharePay, amount);
        return;
    }
    state = kPayCardTargetAnswer;
    screens->pushChoosePlayer(players, numPlayers, currentPlayerIndex, 0x60 | (isPNP ? kPnpFlag : 0));
}

void Board::answerPayCardTarget()
{
    RulesEngine& engine = RulesEngine::get();
    int chosen = engine.lastChoice;
    if (chosen < 0 || chosen >= numPlayers || chosen == currentPlayerIndex) {
        // Back (or no other player) cancels the card and ends the move.
        engine.lastChoice = 0;
        state = kIdle;
        return;
    }
    useSTWCard(currentPlayer, players[chosen], ShareTheWealthCard::kSharePay, amount);
}

void Board::collectFromBank(Player* landing, const BoardSpace* space)
{
    Player* candidates[kMaxPlayers];
    int count = 0;
    Player* human = askedHuman();
    lander = landing;
    amount = space->value;
    if (!isPNP && human && human != landing && human->hasSTWCard(ShareTheWealthCard::kShareCollect)) {
        showSpaceThen(kSpaceTextMs, kAskUseCollectCard);
        return;
    }
    for (int i = 0; i < numPlayers; ++i) {
        Player* other = players[i];
        if (other == landing || !other->hasSTWCard(ShareTheWealthCard::kShareCollect))
            continue;
        if (isPNP || other->isComputer())
            candidates[count++] = other;
    }
    if (count == 0) {
        displayCurrSpace(kSpaceShown, kSpaceTextMs);
        return;
    }
    cardHolder = candidates[RulesEngine::get().rand() % count];
    cardTarget = landing;
    cardKind = ShareTheWealthCard::kShareCollect;
    showSpaceThen(kSpaceTextMs, kPlayShareCard);
}

void Board::askCollectCard()
{
    state = kUseCollectCardAnswer;
    const char* pronoun = lander->isFemale() ? "S_SHE" : "S_HE";
    screens->pushYesNo({{"S_USE_COLLECT", {}}},
                       {{"S_AI_LAND_COLLECT", {lander->getName(), GameUtil::getMoneyString(amount), pronoun}}}, {});
}

void Board::answerCollectCard()
{
    if (RulesEngine::get().lastChoice != 0) {
        waitThen(kShortWaitMs, kIdle);
        return;
    }
    Player* human = askedHuman();
    human->useSTWCard(ShareTheWealthCard::kShareCollect);
    int half = amount / 2;
    int wait;
    bool blocked = lander->hasSTWCard(ShareTheWealthCard::kExemption);
    if (!blocked) {
        wait = transferBetween(lander, human, half, ShareTheWealthCard::kShareCollect);
        moveBetween(lander, human, half, MoneyCause::ShareTheWealth);
        RulesEngine::get().playSound("player_get_cash");
        if (!isPNP)
            presenter->addToReport({{"S_YOU_USED", {lander->getName(), GameUtil::getMoneyString(half)}}});
    } else {
        lander->useSTWCard(ShareTheWealthCard::kExemption);
        popup({{"S_USE_EXMPT_CRD", {lander->getName()}}}, kLongWaitMs);
        wait = kLongWaitMs;
        if (!isPNP)
            presenter->addToReport({{"S_YOU_USED_BLK", {lander->getName()}}});
    }
    if (isPNP)
        queueEvent(lander, Event::kCardAnswered, human->getPassNPlayId(), half, blocked);
    waitThen(wait, kIdle);
}

void Board::useSTWCard(Player* holder, Player* target, int kind, int sum)
{
    holder->useSTWCard(kind);
    bool targetBlocks = target->hasSTWCard(ShareTheWealthCard::kExemption);
    int half = sum / 2;
    if (isPNP) {
        if (holder != currentPlayer) {
            doAIvsHumanUseSTW(holder, target, sum, kind, targetBlocks);
            if (!targetBlocks)
                queueEvent(holder, Event::kCardPlayedAgainst, target->getPassNPlayId(), half);
        } else {
            doHumanUseSTW(holder, target, sum, targetBlocks);
            queueEvent(target, Event::kCardAnswered, holder->getPassNPlayId(), half, targetBlocks);
        }
        return;
    }
    if (!holder->isComputer()) {
        doHumanUseSTW(holder, target, sum, targetBlocks);
        return;
    }
    if (!target->isComputer()) {
        doAIvsHumanUseSTW(holder, target, sum, kind, targetBlocks);
        return;
    }
    RuleMessage text{{"S_USE_CARD", {holder->getName(), cardWord(kind), target->getName()}}};
    int wait = kShortWaitMs;
    if (!targetBlocks) {
        wait = atLeast(transferBetween(target, holder, half, kind), kShortWaitMs);
        moveBetween(target, holder, half, MoneyCause::ShareTheWealth);
        RulesEngine::get().playSound("player_get_cash");
    } else {
        text.push_back({"S_BUT_USE_EXMPT", {target->getName()}});
        target->useSTWCard(ShareTheWealthCard::kExemption);
    }
    presenter->addToReport(text);
    popup(text, kCardPopupMs);
    waitThen(wait, kIdle);
}

void Board::doAIvsHumanUseSTW(Player* holder, Player* target, int sum, int kind, bool targetBlocks)
{
    RuleMessage text{{"S_PL_CARD", {holder->getName(), cardWord(kind)}}};
    cardHolder = holder;
    cardTarget = target;
    cardKind = kind;
    amount = sum;
    if (targetBlocks) {
        state = kExemptionAnswer;
        screens->pushYesNo({{"S_USE_EXMPT", {}}}, text, {{"S_PL_EXMPT", {}}});
        return;
    }
    int half = sum / 2;
    int wait = atLeast(transferBetween(target, holder, half, kind), kShortWaitMs);
    moveBetween(target, holder, half, MoneyCause::ShareTheWealth);
    RulesEngine::get().playSound("lost_money");
    presenter->addToReport(text);
    popup(text, kCardPopupMs);
    waitThen(wait, kIdle);
}

void Board::doHumanUseSTW(Player* holder, Player* target, int sum, bool targetBlocks)
{
    int wait;
    if (targetBlocks) {
        popup({{"S_USE_EXMPT_CRD", {target->getName()}}}, kCardPopupMs);
        target->useSTWCard(ShareTheWealthCard::kExemption);
        wait = kLongWaitMs;
    } else {
        int half = sum / 2;
        wait = presenter->enterMoneyTransferSTWPay(holder->getCharacter(), target->getCharacter(), half);
        moveBetween(target, holder, half, MoneyCause::ShareTheWealth);
        RulesEngine::get().playSound("player_get_cash");
    }
    waitThen(wait, kIdle);
}

void Board::answerBlock()
{
    Player* human = askedHuman();
    int half = amount / 2;
    int wait;
    bool blocked = RulesEngine::get().lastChoice == 0;
    if (blocked) {
        wait = kShortWaitMs;
        human->useSTWCard(ShareTheWealthCard::kExemption);
        if (!isPNP)
            presenter->addToReport({{"", {cardHolder->getName()}}, {"S_USED_STW", {}}, {"S_BLKD", {}}});
    } else {
        wait = transferBetween(human, cardHolder, half, cardKind);
        moveBetween(human, cardHolder, half, MoneyCause::ShareTheWealth);
        if (!isPNP)
            presenter->addToReport({{"", {cardHolder->getName()}}, {"S_USED_STW", {}}, {"S_HAD2PAY", {}},
                                    {"", {GameUtil::getMoneyString(half)}}});
    }
    if (isPNP)
        queueEvent(cardHolder, Event::kCardPlayedAgainst, human->getPassNPlayId(), half, blocked);
    waitThen(wait, kIdle);
}

void Board::startLawsuit()
{
    if (currentPlayer->isComputer()) {
        suePlayer(currentPlayer, playerWithMostCash(currentPlayerIndex));
        return;
    }
    if (numPlayers == 2) {
        suePlayer(currentPlayer, players[1 - currentPlayerIndex]);
        return;
    }
    screens->pushChoosePlayer(players, numPlayers, currentPlayerIndex, 0x44 | (isPNP ? kPnpFlag : 0));
}

void Board::answerLawsuit()
{
    int chosen = RulesEngine::get().lastChoice;
    if (chosen < 0 || chosen >= numPlayers || chosen == currentPlayerIndex) {
        state = kIdle; // nobody to sue
        return;
    }
    suePlayer(currentPlayer, players[chosen]);
}

void Board::suePlayer(Player* suing, Player* suedPlayer)
{
    if (!suedPlayer || suedPlayer == suing) {
        state = kIdle; // a game of one has nobody to sue
        return;
    }
    RulesEngine::get().playSound("player_sued");
    suer = suing;
    sued = suedPlayer;
    bool exempt = sued->hasSTWCard(ShareTheWealthCard::kExemption);
    if (exempt && !sued->isComputer() && !isPNP) {
        state = kSuedExemptionAnswer;
        screens->pushYesNo({{"S_USE_EXMPT", {}}}, {{"S_AI_SUE", {suer->getName(), sued->getName()}}},
                           {{"S_PL_EXMPT", {}}});
        return;
    }
    RuleMessage text;
    int wait = kShortWaitMs;
    if (exempt) {
        sued->useSTWCard(ShareTheWealthCard::kExemption);
        if (suer->isComputer())
            text.push_back({"S_AI_SUE", {suer->getName(), sued->getName()}});
        else
            text.push_back({"S_PLYR_SUE", {sued->getName()}});
        text.push_back({"S_BUT_USE_EXMPT", {sued->getName()}});
    } else {
        if (suer->isComputer()) {
            text.push_back({"S_AI_SUE", {suer->getName(), sued->getName()}});
            if (!sued->isComputer()) {
                RulesEngine::get().playSound("lost_money");
                RulesEngine::get().vibrate(250);
            }
        } else {
            text.push_back({"S_PLYR_SUE", {sued->getName()}});
            RulesEngine::get().playSound("player_get_cash");
        }
        wait = atLeast(transferBetween(sued, suer, kLawsuitAmount, ShareTheWealthCard::kShareCollect), kShortWaitMs);
        moveBetween(sued, suer, kLawsuitAmount, MoneyCause::Lawsuit);
    }
    if (isPNP)
        queueEvent(sued, Event::kSued, suer->getPassNPlayId(), kLawsuitAmount, exempt);
    presenter->addToReport(text);
    popup(text, kLongWaitMs);
    waitThen(wait, kIdle);
}

void Board::answerSuedExemption()
{
    RuleMessage text{{"S_AI_SUE", {suer->getName(), sued->getName()}}};
    int wait;
    if (RulesEngine::get().lastChoice == 0) {
        sued->useSTWCard(ShareTheWealthCard::kExemption);
        text.push_back({"S_BUT_USE_EXMPT", {sued->getName()}});
        wait = kLongWaitMs;
    } else {
        RulesEngine::get().playSound("lost_money");
        wait = atLeast(transferBetween(sued, suer, kLawsuitAmount, ShareTheWealthCard::kShareCollect), kLongWaitMs);
        moveBetween(sued, suer, kLawsuitAmount, MoneyCause::Lawsuit);
    }
    presenter->addToReport(text);
    popup(text, kLongWaitMs);
    waitThen(wait, kIdle);
}

void Board::startSteal()
{
    Player* thief = currentPlayer;
    if (thief->isComputer()) {
        Player* victim = playerToStealQuorvelTokenFrom(currentPlayerIndex);
        if (victim) {
            stealFrom(victim);
        } else {
            tileShortage = false;
            popup({{"S_NO_QUORVELTILES_LEFT", {}}}, kLongWaitMs);
            waitThen(kLongWaitMs, kIdle);
        }
        return;
    }
    stealCandidateCount = 0;
    stealCandidates[stealCandidateCount++] = thief;
    for (int i = 0; i < numPlayers; ++i) {
        Player* other = players[i];
        if (other != thief && other->getNumQuorvelCards() > 0 && !(other->isRetired() && other->getHome() == 1))
            stealCandidates[stealCandidateCount++] = other;
    }
    if (stealCandidateCount == 1) {
        tileShortage = false;
        popup({{"S_NO_QUORVELTILES_LEFT", {}}}, kLongWaitMs);
        waitThen(kLongWaitMs, kIdle);
    } else if (stealCandidateCount == 2) {
        stealFrom(stealCandidates[1]);
    } else {
        state = kStealAnswer;
        screens->pushChoosePlayer(stealCandidates, stealCandidateCount, 0, 0x48 | (isPNP ? kPnpFlag : 0));
    }
}

void Board::answerSteal()
{
    int chosen = RulesEngine::get().lastChoice;
    if (chosen < 1 || chosen >= stealCandidateCount) {
        tileShortage = false; // no victim chosen: no tile changes hands
        state = kIdle;
        return;
    }
    stealFrom(stealCandidates[chosen]);
}

void Board::stealFrom(Player* victim)
{
    Player* thief = currentPlayer;
    QuorvelCard* tile = victim->takeQuorvelCard();
    if (!tile) {
        tileShortage = false;
        state = kIdle;
        return;
    }
    thief->addQuorvelCard(tile);
    bool bothComputers = thief->isComputer() && victim->isComputer();
    int ms = presenter->enterQuorvelCardTransferWithPlayer(victim->getCharacter(), bothComputers ? 0 : tile->value);
    RulesEngine::get().playSound("good_sound");
    RuleMessage text;
    if (!thief->isComputer())
        text.push_back({"S_HUM_STOLE", {victim->getName()}});
    else if (!victim->isComputer())
        text.push_back({"S_AI_STOLE_YOU", {thief->getName()}});
    else
        text.push_back({"S_AI_STOLE_AI", {thief->getName(), victim->getName()}});
    popup(text, kLongWaitMs);
    if (isPNP)
        queueEvent(victim, Event::kTileStolen, thief->getPassNPlayId(), tile->value);
    tileShortage = false;
    waitThen(atLeast(ms, kLongWaitMs), kIdle);
}

void Board::startBabyGifts()
{
    int ms = presenter->enterMoneyTransferWithAllPlayers(kBabyGift, false);
    if (ms < 0)
        ms = 0;
    if (currentPlayer->isComputer()) {
        popup({{"S_AI_BABY_GIFT", {currentPlayer->getName()}}}, ms);
    } else {
        popup({{"S_HUM_BABY_GIFT", {}}}, ms);
        RulesEngine::get().playSound("good_sound");
    }
    waitTimer.start(ms);
}

void Board::startDayCare()
{
    int perChild = currentPlayer->getCar()->GetCurrentSpace()->value;
    int ms = presenter->enterMoneyTransferWithAllPlayers(perChild, true);
    if (ms < 0) {
        popup({{"S_NO_KIDS", {}}}, kLongWaitMs);
        waitThen(kLongWaitMs, kIdle);
        return;
    }
    if (currentPlayer->isComputer())
        popup({{"S_AI_OPPC", {currentPlayer->getName()}}}, ms);
    else
        popup({{"S_HUM_OPPC", {}}}, ms);
    RulesEngine::get().playSound("good_sound");
    waitTimer.start(ms);
    Player* human = askedHuman();
    for (int i = 0; i < numPlayers; ++i) {
        Player* other = players[i];
        if (isPNP && other != currentPlayer && other->getNumChildren() > 0)
            queueEvent(other, Event::kDayCare, currentPlayer->getPassNPlayId(), other->getNumChildren() * perChild);
    }
    if (!isPNP && currentPlayer->isComputer()) {
        RuleMessage line{{"", {currentPlayer->getName()}}, {"S_OPNDYCR", {}}};
        int humanPaid = human ? human->getNumChildren() * perChild : 0;
        if (humanPaid > 0) {
            line.push_back({"S_HAD2PAY", {}});
            line.push_back({"", {GameUtil::getMoneyString(humanPaid)}});
        }
        presenter->addToReport(line);
    }
}

void Board::startSpinToWin()
{
    RulesEngine& engine = RulesEngine::get();
    Player* player = currentPlayer;
    if (!player->isComputer()) {
        screens->pushSpin2Win(player);
        return;
    }
    int bet = player->calcSpin2WinBet();
    int ms = 0;
    if (bet == 0) {
        popup({{"S_AI_NOSPIN", {player->getName()}}}, kLongWaitMs);
    } else {
        int chance = kSpinToWinOdds;
        if (player->hasSTWCard(ShareTheWealthCard::kSpinFour)) {
            player->useSTWCard(ShareTheWealthCard::kSpinFour);
            chance = 4 * kSpinToWinOdds;
        } else if (player->hasSTWCard(ShareTheWealthCard::kSpinTwice)) {
            player->useSTWCard(ShareTheWealthCard::kSpinTwice);
            chance = 2 * kSpinToWinOdds;
        }
        if (engine.rand() % 100 < chance) {
            int prize = kSpinToWinPrizeFactor * bet;
            ms = presenter->enterMoneyTransferWithBank(player->getCharacter(), prize);
            player->transactCash(prize, MoneyCause::SpinToWinPrize);
            popup({{"S_AI_WONSPIN", {player->getName(), GameUtil::getMoneyString(prize)}}}, kLongWaitMs);
            engine.playSound("player_get_cash");
        } else {
            ms = presenter->enterMoneyTransferWithBank(player->getCharacter(), -bet);
            player->transactCash(-bet, MoneyCause::SpinToWinStake);
            popup({{"S_AI_LOSTSPIN", {player->getName(), GameUtil::getMoneyString(bet)}}}, kLongWaitMs);
        }
    }
    waitThen(atLeast(ms, kLongWaitMs), kIdle);
}

void Board::answerSpinToWin()
{
    if (RulesEngine::get().lastChoice == kAnswerBack) {
        state = kIdle;
        return;
    }
    spin2Win = true;
    state = kSpinToWinSpin;
}

void Board::calcSpin2WinResults()
{
    RulesEngine& engine = RulesEngine::get();
    Player* player = currentPlayer;
    bool won = false;
    for (int i = 0; i < player->getSpin2WinCount(); ++i) {
        if (player->getSpin2WinNumbers()[i] == spinnerValue - 1)
            won = true;
    }
    int wager = player->getWager() == 0 ? kDefaultWager : player->getWager();
    int ms;
    if (won) {
        int prize = kSpinToWinPrizeFactor * wager;
        ms = presenter->enterMoneyTransferWithBank(player->getCharacter(), prize);
        player->transactCash(prize, MoneyCause::SpinToWinPrize);
        popup({{"S_PLYR_WON_S2W", {GameUtil::getMoneyString(prize)}}}, kLongWaitMs);
        engine.playSound("player_get_cash");
        engine.playSound("player_win_competition");
    } else {
        ms = presenter->enterMoneyTransferWithBank(player->getCharacter(), -wager);
        player->transactCash(-wager, MoneyCause::SpinToWinStake);
        popup({{"S_PLYR_LOSE_S2W", {GameUtil::getMoneyString(wager)}}}, kLongWaitMs);
        engine.vibrate(250);
        engine.playSound("player_get_cash");
        engine.playSound("player_lose_cash");
    }
    spin2Win = false;
    waitThen(atLeast(ms, kLongWaitMs), kIdle);
}

void Board::drawShareTheWealth()
{
    Player* player = currentPlayer;
    ShareTheWealthCard* card = static_cast<ShareTheWealthCard*>(shareTheWealthPile->drawOne(true));
    if (!card) {
        // A short wait that a tap or the next-event button ends sooner.
        popup({{"S_NO_SHARE_THE_WEALTH", {}}}, kLongWaitMs);
        waitThen(kLongWaitMs, kIdle);
        return;
    }
    player->addShareTheWealth(card);
    if (!player->isComputer()) {
        state = kShareTheWealthAnswer;
        screens->pushShowShareTheWealth(card);
        return;
    }
    popup({{"S_AI_STW", {player->getName()}}}, kLongWaitMs);
    waitThen(kLongWaitMs, kIdle);
}
