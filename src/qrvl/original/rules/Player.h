// One player's state during a game and the money rules through which every
// space, card and screen moves its money.
#pragma once

#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/rules/MoneyLedger.h"
#include "qrvl/original/rules/RuleTimer.h"

class Car;
class CardPile;
class FGDataReader;
class FGDataWriter;
class PlayerJournal;
struct Card;
struct CareerCard;
struct Event;
struct HouseCard;
struct QuorvelCard;
struct ShareTheWealthCard;

class Player {
public:
    static constexpr int kSeats = 16;          // driver, spouse and 14 children
    static constexpr int kFirstChildSeat = 2;
    static constexpr int kLoanAmount = 20000;
    static constexpr int kRaiseAmount = 10000;
    static constexpr int kStartingCash = 10000;
    static constexpr unsigned kJournalBoughtHome = 16;

    Player();
    virtual ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void init(int colour, const char* name, int driverSex, bool computer, bool secondFlag,
              Car* car, int character);

    // Names and looks.
    void setNameAndSex(FGString& name, int character);
    void setCharacter(int c) { character = c; }
    int getCharacter() const { return character; }
    void setColor(int c) { colour = c; }
    int getColor() const { return colour; }
    const char* getName() const { return name.getNativeString(); }
    void setPassNPlayId(int id) { passNPlayId = id; }
    int getPassNPlayId() const { return passNPlayId; }
    void setRank(int r) { rank = r; }
    int getRank() const { return rank; }
    void setPortrait(int p) { if (p != 0) portrait = p; }
    void makePassNPlayName(FGString& out, bool addSpace, bool replace, bool addColon) const;
    void CreateJournal();
    PlayerJournal* getJournal() const { return journal; }
    // Hands the journal over to a new owner; the player keeps none.
    PlayerJournal* releaseJournal() { PlayerJournal* taken = journal; journal = nullptr; return taken; }
    bool isFemale() const { return seats[0] == 1; }

    // Board position.
    void setBoardSpaceIdx(int index);
    int getBoardSpaceIdx() const { return boardSpace; }
    Car* getCar() const { return car; }

    // Money.
    // Money paid by the bank (or to it when negative); a player short of
    // cash takes loans from the bank. The cause goes to the installed ledger.
    void transactCash(int amount, MoneyCause cause = MoneyCause::BoardRequest);
    // The one way players pay each other: what leaves this player arrives at the payee.
    void payTo(Player* payee, int amount, MoneyCause cause = MoneyCause::BoardRequest);
    int getCash() const { return cash; }
    int getLoans() const { return loans; }
    void setLoans(int n) { loans = n; }
    int getSalary() const;
    int getRaise() const { return raise; }
    int getTaxes() const;
    void payTaxes();
    void payRaise();
    int calcNetWorth() const;

    // Career and house.
    void takeJob(CareerCard* card, bool college);
    void loseJob(CardPile* careerPile, CardPile* collegePile);
    CareerCard* getCareer() const { return career; }
    bool isCollege() const { return college; }
    void buyHouse(HouseCard* card);
    void sellHouse();
    HouseCard* getHouse() const { return house; }

    // Tiles.
    void addQuorvelCard(QuorvelCard* tile);
    QuorvelCard* takeQuorvelCard();
    int getNumQuorvelCards() const { return tileCount; }
    QuorvelCard* getQuorvelCards() const { return tiles; }

    // People in the car.
    void addSpouse();
    void addChild(int sex);
    void addTwins(int sex);
    const int* getCarOccupants() const { return seats; }
    int getNumChildren() const;
    bool hadBoyNotGirl() const;
    bool hadTwins() const { return twins; }
    void spawnInitialPegs();
    bool pegsSpawned() const { return pegsAreSpawned; }

    // Share the Wealth and Spin to Win.
    void addShareTheWealth(ShareTheWealthCard* card);
    bool hasSTWCard(int kind) const;
    ShareTheWealthCard* getShareTheWealthCards() const { return shareCards; }
    void useSTWCard(int kind);
    void getSpin2WinCards(Card** out, int* count) const;
    void setSpin2Win(const int* numbers, int count, int wager);
    int getSpin2WinCount() const { return spin2WinCount; }
    const int* getSpin2WinNumbers() const { return spin2WinNumbers; }
    int getWager() const { return wager; }

    // Computer decisions.
    bool willBuyInvestment();
    int calcSpin2WinBet();

    // Pass-and-play notices, oldest first.
    void addEvent(Event* event);
    Event* getNextEvent();
    bool eventPending() const { return eventHead != nullptr; }

    // Flags of the game flow.
    bool isComputer() const { return computer; }
    void setComputer(bool c) { computer = c; }
    bool getSecondFlag() const { return secondFlag; }
    int getInvestment() const { return investment; }
    void setInvestment(int n) { investment = n; }
    bool isRetired() const { return retired; }
    int getHome() const { return home; }
    void retire(int retirementHome) { retired = true; home = retirementHome; }
    bool getLoseNextTurn() const { return loseNextTurn; }
    void setLoseNextTurn(bool lose) { loseNextTurn = lose; }
    bool isPrepared() const { return prepared; }
    void setPrepared(bool p) { prepared = p; }
    bool isTapped() const { return tapped; }
    void setTapped(bool t) { tapped = t; }
    unsigned getJournalFlags() const { return journalFlags; }
    void setJournalFlags(unsigned flags) { journalFlags = flags; }
    void setPendingJournalEvent(unsigned hash) { pendingJournalEvent = hash; }
    unsigned getPendingJournalEvent() const { return pendingJournalEvent; }
    RuleTimer& getTimer() { return timer; }

    void save(FGDataWriter* writer);
    // False when the record cannot be a player (an impossible count or id,
    // or a record cut short); the player is then left as after init.
    bool load(FGDataReader* reader, Car* car);

private:
    // Moves cash, taking loans while it is below zero.
    void changeCash(int amount);

    void clearHoldings();
    void addPerson(int sex);
    void addJournalEntry(const char* eventName);

    int boardSpace = -1;
    int colour = 0;
    int character = 0;
    FGString name;
    CareerCard* career = nullptr;
    CareerCard* previousCareer = nullptr;
    ShareTheWealthCard* shareCards = nullptr;
    int cash = 0;
    int loans = 0;
    int raise = 0;
    bool college = false;
    bool previousCollege = false;
    QuorvelCard* tiles = nullptr;
    int tileCount = 0;
    HouseCard* house = nullptr;
    int seats[kSeats];
    int nextSeat = 1;
    bool twins = false;
    int portrait = 0;
    Car* car = nullptr;
    bool computer = false;
    bool secondFlag = false;
    RuleTimer timer;
    int investment = -1;
    int spin2WinCount = 0;
    int spin2WinNumbers[4] = {0, 0, 0, 0};
    int wager = 0;
    bool retired = false;
    bool loseNextTurn = false;
    bool prepared = false;
    int passNPlayId = 0;
    Event* eventHead = nullptr;
    Event* eventTail = nullptr;
    int rank = -1;
    int home = -1;
    bool pegsAreSpawned = false;
    PlayerJournal* journal = nullptr;
    unsigned pendingJournalEvent = 0;
    unsigned journalFlags = 0;
    bool tapped = true;
};
