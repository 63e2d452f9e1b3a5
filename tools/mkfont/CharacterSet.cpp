// The characters every font of the game carries.
#include "CharacterSet.h"

namespace MkFont {

namespace {

// Dashes, quotation marks, daggers, bullet, ellipsis, per mille and the
// single guillemets.
unsigned const kPunctuation[] = {
    0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,
    0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A,
};
unsigned const kEuro = 0x20AC;
unsigned const kReplacement = 0xFFFD;

void AddRange(std::vector<unsigned>& codes, unsigned first, unsigned last)
{
    for (unsigned code = first; code <= last; ++code)
        codes.push_back(code);
}

} // namespace

std::vector<unsigned> GameCharacters()
{
    std::vector<unsigned> codes;
    AddRange(codes, 0x20, 0x7E);
    AddRange(codes, 0xA0, 0x17F);
    codes.insert(codes.end(), std::begin(kPunctuation), std::end(kPunctuation));
    codes.push_back(kEuro);
    codes.push_back(kReplacement);
    return codes;
}

} // namespace MkFont
