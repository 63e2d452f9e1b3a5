// Colour replacements.
#include "qrvl/original/framework/FGPaletteChanger.h"

#include "qrvl/original/framework/FGImage.h"

#include <algorithm>

void FGPaletteChanger::adjustTriplet(unsigned char* data, int offset) const
{
    unsigned char* colour = data + offset;
    for (Replacement const& replacement : replacements) {
        if (std::equal(replacement.from, replacement.from + 3, colour)) {
            std::copy(replacement.to, replacement.to + 3, colour);
            return;
        }
    }
}

FGImage* FGPaletteChanger::createRepalettedImage() const
{
    return new FGImage;
}
