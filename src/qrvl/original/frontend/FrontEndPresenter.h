// What the rules show in the game's window: the HUD overlay's transfers,
// and the card of a family event drawn over the board.
#pragma once

#include "qrvl/menu/HudBoardPresenter.h"
#include "qrvl/original/frontend/EventCard.h"

class FrontEndPresenter : public qrvl::HudBoardPresenter {
public:
    using HudBoardPresenter::HudBoardPresenter;

    void showEventCard(char const* headerId, char const* textId, char const* picture) override
    {
        card.Show(headerId, textId, picture);
    }
    void hideEventCard() override { card.Hide(); }
    void drawSelf(Norv::Surface* surface) override { card.Draw(surface); }

    EventCard const& GetEventCard() const { return card; }

private:
    EventCard card;
};
