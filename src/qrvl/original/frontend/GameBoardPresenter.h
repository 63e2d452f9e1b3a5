// The rules' presentation in the running game: the HUD's transfer overlay,
// and the board camera's return to the wheel, which waits for the camera
// to arrive.
#pragma once

#include "qrvl/menu/HudBoardPresenter.h"

class GameBoardPresenter : public qrvl::HudBoardPresenter {
public:
    using qrvl::HudBoardPresenter::HudBoardPresenter;

    void panToSpinner() override;
    bool destinationReached() const override;
};
