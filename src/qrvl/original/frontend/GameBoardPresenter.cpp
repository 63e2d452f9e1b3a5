// The board camera behind the rules' presentation.
#include "qrvl/original/frontend/GameBoardPresenter.h"

#include "qrvl/original/phone/CWorld.h"

void GameBoardPresenter::panToSpinner()
{
    if (CCameraController* camera = CWorld::GetWorld().cameraController.get())
        camera->PanToSpinner(false);
}

bool GameBoardPresenter::destinationReached() const
{
    CCameraController const* camera = CWorld::GetWorld().cameraController.get();
    return !camera || camera->DestinationReached();
}
