#include "norv/system/NorvStrtod.h"

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Fraction digits past this add nothing a double can hold; they are consumed
// but not accumulated, so a very long fraction cannot overflow.
constexpr int kMaxFractionDigits = 20;

} // namespace

double norvstrtod(char const* text, char** end)
{
    char const* p = text;
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';

    // Digits accumulate in floating point, so large numbers and long
    // fractions keep their value instead of wrapping like a 32-bit integer.
    double value = 0.0;
    while (IsDigit(*p))
        value = value * 10.0 + (*p++ - '0');
    if (*p == '.') {
        ++p;
        double fraction = 0.0;
        double divisor = 1.0; // a power of ten, exact up to 1e22
        for (int digits = 0; IsDigit(*p); ++p, ++digits) {
            if (digits < kMaxFractionDigits) {
                fraction = fraction * 10.0 + (*p - '0');
                divisor *= 10.0;
            }
        }
        value += fraction / divisor;
    }
    if (end)
        *end = const_cast<char*>(p);
    return negative ? -value : value;
}
