// The stand-in front end.
#include "qrvl/main/StandInFrontEnd.h"

#include "qrvl/main/BlankSplashMode.h"

FGMode* StandInFrontEnd::CreateSplashMode()
{
    return new BlankSplashMode;
}
