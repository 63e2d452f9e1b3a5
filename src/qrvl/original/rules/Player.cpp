// A player's money rules, career, house, tiles, family and cards.
#include "qrvl/original/rules/Player.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/framework/LinkedList.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/rules/ShareTheWealthCardPile.h"

Player::Player()
{
    for (int& seat : seats)
        seat = -1;
}

Player::~Player()
{
    clearHoldings();
    delete journal;
}

void Player::clearHoldings()
{
    deleteLinkedList(tiles);
    tileCount = 0;
    deleteLinkedList(shareCards);
    // The previous career is held by nobody else until it goes back to a pile.
    if (previousCareer != career)
        delete previousCareer;
    previousCareer = nullptr;
    delete career;
    career = nullptr;
    delete house;
    house = nullptr;
    eventTail = nullptr;
    deleteLinkedList(eventHead);
}

void Player::init(int colourIndex, const char* playerName, int driverSex, bool isComputer,
                  bool second, Car* playerCar, int playerCharacter)
{
    clearHoldings();
    boardSpace = -1;
    rank = -1;
    colour = colourIndex;
    name.set(playerName);
    cash = kStartingCash;
    loans = 0;
    raise = 0;
    seats[0] = driverSex;
    for (int i = 1; i < kSeats; ++i)
        seats[i] = -1;
    nextSeat = 1;
    twins = false;
    college = false;
    previousCollege = false;
    computer = isComputer;
    secondFlag = second;
    portrait = 0;
    // Computer players think for three to six seconds.
    timer.start(3000 + RulesEngine::get().rand() % 3000);
    investment = -1;
    spin2WinCount = 0;
    wager = 0;
    retired = false;
    loseNextTurn = false;
    prepared = false;
    home = -1;
    pegsAreSpawned = false;
    character = playerCharacter;
    tapped = false;
    car = playerCar;
    if (car)
        car->SetPlayer(this);
}

void Player::setNameAndSex(FGString& newName, int newCharacter)
{
    name = newName;
    character = newCharacter;
    if (newCharacter < PlayerEnums::kFirstCharacter || newCharacter > PlayerEnums::kLastCharacter) {
        RulesEngine::get().fatal("error setting player name!");
        return;
    }
    seats[0] = PlayerEnums::sexOfCharacter(newCharacter);
}

void Player::makePassNPlayName(FGString& out, bool addSpace, bool replace, bool addColon) const
{
    if (replace)
        out.set(name.getNativeString());
    else
        out.add(name.getNativeString());
    if (addColon)
        out.add(':');
    if (addSpace)
        out.add(' ');
}

void Player::CreateJournal()
{
    if (journal)
        return;
    journal = PlayerJournal::create(name.getNativeString(), character, colour);
    addJournalEntry("je_introduction");
}

void Player::addJournalEntry(const char* eventName)
{
    if (journal)
        journal->addEntry(PlayerJournal::hashName(eventName), this);
}

void Player::setBoardSpaceIdx(int index)
{
    if (index < 0 || index >= Board::kNumSpaces)
        return;
    boardSpace = index;
    Board* board = Board::GetBoard();
    if (car && board)
        car->Place(board->getSpace(index));
}

namespace {

void Record(MoneyCause cause, const Player* payer, const Player* payee, int amount)
{
    MoneyLedger* ledger = MoneyLedger::installed();
    if (!ledger || amount == 0)
        return;
    if (cause == MoneyCause::BoardRequest) {
        Board* board = Board::GetBoard();
        cause = board ? board->requestedMoneyCause() : MoneyCause::Unexplained;
    }
    ledger->record({cause, payer, payee, amount});
}

} // namespace

void Player::changeCash(int amount)
{
    cash += amount;
    while (cash < 0) {
        Record(MoneyCause::Loan, nullptr, this, kLoanAmount);
        cash += kLoanAmount;
        ++loans;
    }
}

void Player::transactCash(int amount, MoneyCause cause)
{
    if (amount < 0)
        Record(cause, this, nullptr, -amount);
    else
        Record(cause, nullptr, this, amount);
    changeCash(amount);
}

void Player::payTo(Player* payee, int amount, MoneyCause cause)
{
    Record(cause, this, payee, amount);
    changeCash(-amount);
    payee->changeCash(amount);
}

int Player::getSalary() const
{
    return career ? career->salary + raise : 0;
}

int Player::getTaxes() const
{
    return career ? career->tax : 0;
}

void Player::payTaxes()
{
    if (career)
        transactCash(-career->tax, MoneyCause::Taxes);
}

void Player::payRaise()
{
    if (!career)
        return;
    if (career->maxSalary != -1 && career->salary + raise + kRaiseAmount > career->maxSalary)
        return;
    raise += kRaiseAmount;
}

int Player::calcNetWorth() const
{
    if (!house)
        return cash;
    return cash + (house->saleValue != -1 ? house->saleValue : house->price);
}

void Player::takeJob(CareerCard* card, bool tookCollege)
{
    previousCollege = college;
    college = tookCollege;
    if (career)
        previousCareer = career;
    career = card;
    if (pendingJournalEvent != 0) {
        if (journal)
            journal->addEntry(pendingJournalEvent, this);
        pendingJournalEvent = 0;
    }
}

void Player::loseJob(CardPile* careerPile, CardPile* collegePile)
{
    raise = 0;
    if (previousCareer && previousCareer != career) {
        CardPile* pile = previousCollege ? collegePile : careerPile;
        if (pile)
            pile->putBack(previousCareer);
        else
            delete previousCareer;
    }
    previousCareer = nullptr;
}

void Player::buyHouse(HouseCard* card)
{
    if (!card)
        return;
    // A house already owned is sold by the caller first; never drop one silently.
    if (house && house != card)
        delete house;
    house = card;
    transactCash(-card->price, MoneyCause::HouseBought);
    addJournalEntry((journalFlags & kJournalBoughtHome) ? "je_new_home" : "je_starter_home");
    journalFlags |= kJournalBoughtHome;
    RulesEngine::get().playSound("bi_doorbell1");
}

void Player::sellHouse()
{
    if (!house)
        return;
    transactCash(house->saleValue > 0 ? house->saleValue : 0, MoneyCause::HouseSold); // -1: no sale value
    delete house;
    house = nullptr;
}

void Player::addQuorvelCard(QuorvelCard* tile)
{
    if (!tile)
        return;
    tile->next = tiles;
    tiles = tile;
    ++tileCount;
}

QuorvelCard* Player::takeQuorvelCard()
{
    QuorvelCard* tile = tiles;
    if (!tile)
        return nullptr;
    tiles = static_cast<QuorvelCard*>(tile->next);
    tile->next = nullptr;
    --tileCount;
    return tile;
}

void Player::addPerson(int sex)
{
    if (nextSeat >= kSeats)
        return; // the car is full: nobody more fits
    seats[nextSeat] = sex;
    if (car)
        car->SpawnPeg(nextSeat, sex == PlayerEnums::kFemale, true);
    ++nextSeat;
}

void Player::addSpouse()
{
    addPerson(seats[0] == PlayerEnums::kMale ? PlayerEnums::kFemale : PlayerEnums::kMale);
}

void Player::addChild(int sex)
{
    addPerson(sex);
    twins = false;
}

void Player::addTwins(int sex)
{
    addPerson(sex);
    addPerson(sex);
    twins = true;
}

int Player::getNumChildren() const
{
    int children = 0;
    for (int i = kFirstChildSeat; i < kSeats && seats[i] != -1; ++i)
        ++children;
    return children;
}

bool Player::hadBoyNotGirl() const
{
    return nextSeat > 0 && seats[nextSeat - 1] == PlayerEnums::kMale;
}

void Player::spawnInitialPegs()
{
    pegsAreSpawned = true;
    for (int i = 0; i < kSeats && seats[i] != -1; ++i) {
        if (car)
            car->SpawnPeg(i, seats[i] == PlayerEnums::kFemale, false);
    }
}

void Player::addShareTheWealth(ShareTheWealthCard* card)
{
    if (!card)
        return;
    card->next = shareCards;
    shareCards = card;
}

bool Player::hasSTWCard(int kind) const
{
    for (Card* card = shareCards; card; card = card->next) {
        if (card->id == kind)
            return true;
        if (kind == ShareTheWealthCard::kAnySpin
            && (card->id == ShareTheWealthCard::kSpinTwice || card->id == ShareTheWealthCard::kSpinFour))
            return true;
    }
    return false;
}

void Player::useSTWCard(int kind)
{
    for (Card** link = reinterpret_cast<Card**>(&shareCards); *link; link = &(*link)->next) {
        Card* card = *link;
        if (card->id != kind)
            continue;
        *link = card->next;
        card->next = nullptr;
        Board* board = Board::GetBoard();
        CardPile* pile = board ? board->getShareTheWealthPile() : nullptr;
        if (pile)
            pile->putBack(card);
        else
            delete card;
        return;
    }
}

void Player::getSpin2WinCards(Card** out, int* count) const
{
    for (Card* card = shareCards; card; card = card->next) {
        if (card->id == ShareTheWealthCard::kSpinTwice || card->id == ShareTheWealthCard::kSpinFour)
            out[(*count)++] = card;
    }
}

void Player::setSpin2Win(const int* numbers, int count, int newWager)
{
    if (count < 0)
        count = 0;
    if (count > 4)
        count = 4; // the screen offers at most four numbers
    spin2WinCount = count;
    for (int i = 0; i < count; ++i)
        spin2WinNumbers[i] = numbers[i];
    wager = newWager;
}

bool Player::willBuyInvestment()
{
    if (investment != -1 || retired || cash < 10000)
        return false;
    return RulesEngine::get().rand() % 100 < 10;
}

int Player::calcSpin2WinBet()
{
    RulesEngine& engine = RulesEngine::get();
    int r = engine.rand() % 100;
    if (character != 0 && !hasSTWCard(ShareTheWealthCard::kSpinTwice)
        && !hasSTWCard(ShareTheWealthCard::kSpinFour) && !hasSTWCard(ShareTheWealthCard::kAnySpin)
        && r < 50)
        return 0;
    int bet;
    if (r < 75)
        bet = 5000;
    else if (r < 90)
        bet = 10000;
    else
        bet = 15000 + 5000 * (engine.rand() % 7);
    while (bet > cash)
        bet -= 5000;
    return bet;
}

void Player::addEvent(Event* event)
{
    if (!event)
        return;
    event->next = nullptr;
    if (eventTail)
        eventTail->next = event;
    else
        eventHead = event;
    eventTail = event;
}

Event* Player::getNextEvent()
{
    Event* event = eventHead;
    if (!event)
        return nullptr;
    eventHead = event->next;
    if (!eventHead)
        eventTail = nullptr;
    event->next = nullptr;
    return event;
}
