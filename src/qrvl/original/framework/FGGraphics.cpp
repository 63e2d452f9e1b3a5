// The framework's drawing context.
#include "qrvl/original/framework/FGGraphics.h"

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGImage.h"

#include <algorithm>

void FGGraphics::init()
{
    FGEngine const* engine = FGEngine::getEngine();
    translateX = translateY = 0;
    color = 0;
    clipX = clipY = 0;
    clipWidth = static_cast<short>(engine ? engine->getScreenWidth() : 0);
    clipHeight = static_cast<short>(engine ? engine->getScreenHeight() : 0);
}

void FGGraphics::drawImage(FGImage* image, int x, int y, int anchor)
{
    if (!image)
        return;
    if (anchor & Right)
        x -= image->getWidth();
    else if (anchor & HCenter)
        x -= image->getWidth() / 2;
    if (anchor & Bottom)
        y -= image->getHeight();
    else if (anchor & VCenter)
        y -= image->getHeight() / 2;
    image->drawSelf(*this, x, y);
}

void FGGraphics::translate(int dx, int dy)
{
    translateX += dx;
    translateY += dy;
    clipX = static_cast<short>(clipX - dx);
    clipY = static_cast<short>(clipY - dy);
}

void FGGraphics::setClip(int x, int y, int width, int height)
{
    clipX = static_cast<short>(x + translateX);
    clipY = static_cast<short>(y + translateY);
    clipWidth = static_cast<short>(width);
    clipHeight = static_cast<short>(height);
}

void FGGraphics::intersectClip(int x, int y, int width, int height)
{
    int const left = std::max<int>(clipX, x);
    int const top = std::max<int>(clipY, y);
    int const right = std::min<int>(clipX + clipWidth, x + width);
    int const bottom = std::min<int>(clipY + clipHeight, y + height);
    clipX = static_cast<short>(left);
    clipY = static_cast<short>(top);
    clipWidth = static_cast<short>(std::max(right - left, 0));
    clipHeight = static_cast<short>(std::max(bottom - top, 0));
}
