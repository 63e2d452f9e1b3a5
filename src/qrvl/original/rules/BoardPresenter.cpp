// The in-memory defaults of the presentation the rules drive.
#include "qrvl/original/rules/BoardPresenter.h"

#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"

void BoardPresenter::setupPlayerOrder(Player** order, int count)
{
    players = order;
    playerCount = count;
}

bool BoardPresenter::forgetPlayers(Player** order)
{
    if (!players || players != order)
        return false;
    setupPlayerOrder(nullptr, 0);
    setCurrentPlayer(nullptr);
    return true;
}

int BoardPresenter::enterMoneyTransferWithAllPlayers(int amount, bool perChild)
{
    // With nobody to receive it, nobody pays.
    int payers = 0;
    for (int i = 0; current && i < playerCount; ++i) {
        Player* payer = players[i];
        if (!payer || payer == current)
            continue;
        int due = amount;
        if (perChild) {
            if (payer->getNumChildren() == 0)
                continue;
            due = amount * payer->getNumChildren();
        }
        payer->payTo(current, due);
        ++payers;
    }
    return payers == 0 ? -1 : 0;
}

int BoardPresenter::getValuePointedTo()
{
    return 1 + RulesEngine::get().rand() % 10;
}
