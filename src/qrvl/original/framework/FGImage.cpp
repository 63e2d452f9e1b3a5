// Framework images as placeholders.
#include "qrvl/original/framework/FGImage.h"

#include "qrvl/original/framework/FGEngine.h"

FGImage* FGImage::createImage(char const*)
{
    return new FGImage;
}

FGGraphics* FGImage::getGraphics()
{
    FGEngine::fatal("FGImage::getGraphics is not supported on BREW");
    return nullptr;
}
