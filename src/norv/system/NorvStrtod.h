// Locale-independent decimal parser for script numerals, XML floats and
// console values.
#pragma once

// Reads [spaces][+|-][digits][.digits]; no exponent, no hexadecimal, no
// infinity or NaN. When `end` is not null it receives the first character
// not consumed.
double norvstrtod(char const* text, char** end);
