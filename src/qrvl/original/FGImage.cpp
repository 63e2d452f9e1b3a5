// Framework images as placeholders.
#include "qrvl/original/FGImage.h"

#include "qrvl/original/FGEngine.h"

FGImage* FGImage::createImage(char const*)
{
    return new FGImage;
}

FGGraphics* FGImage::getGraphics()
{
    FGEngine::fatal("FGImage::getGraphics is not supported on BREW");
    return nullptr;
}
