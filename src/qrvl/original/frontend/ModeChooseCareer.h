// The career cards face up with salary, highest salary and taxes: a person
// takes one of two (lastChoice the index), or confirms the one card shown
// (lastChoice -2); a computer player's card is shown until the timeout.
#pragma once

#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

struct CareerCard;

class ModeChooseCareer : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeChooseCareer>::RegType methods[];
    // The answer when the one card shown is confirmed.
    static constexpr int kConfirmed = -2;

    ~ModeChooseCareer() override;

    void init(int timeoutMs) override;
    using ModeChoose::init;
    void tick() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    bool isActiveMode() override { return itemCount > 0; }

    virtual void SetCards(CareerCard* left, CareerCard* right);
    // A null card shows an empty frame.
    virtual void ShowJob(CareerCard* card);

    // The "highest salary" line of a card: the label and the amount, or
    // the label and "none" for a career without a cap.
    static std::string MaxSalaryText(CareerCard const& card);

    // Script method: callback:CareerSelected(n).
    int l_CareerSelected(lua_State* L);

private:
    void InitGuif(int numCareers);
    void PopulateCardFrame(CareerCard const* card, char const* side);

    CareerCard* cards[2] = {};
};
