// Bitmap font metrics and word wrap.
#include "qrvl/original/framework/FGFont.h"

#include <algorithm>
#include <cctype>
#include <cstring>

int FGFont::getIdxForChar(char c) const
{
    unsigned char const code = static_cast<unsigned char>(c);
    if (glyphWidths[code] != 0 || code >= 128 || !std::isalpha(code))
        return code;
    unsigned char const other = static_cast<unsigned char>(std::isupper(code) ? std::tolower(code) : std::toupper(code));
    return other;
}

int FGFont::getDisplayLength(char const* text, int from, int to) const
{
    int length = 0;
    bool visible = false;
    for (int i = from; i < to && text[i]; ++i) {
        if (!visible && isWhitespace(text[i]))
            continue;
        if (visible)
            length += letterSpacing;
        visible = true;
        length += getGlyphWidth(text[i]);
    }
    return length;
}

int FGFont::getDisplayLength(char const* text) const
{
    return getDisplayLength(text, 0, static_cast<int>(std::strlen(text)));
}

int FGFont::getLastFittingChar(char const* text, int from, int width) const
{
    int lastBlank = -1;
    for (int i = from; text[i]; ++i) {
        if (isLineBreak(text[i]))
            return i;
        // Blanks at the end of a line take no room.
        if (isWhitespace(text[i])) {
            lastBlank = i;
            continue;
        }
        if (getDisplayLength(text, from, i + 1) > width) {
            if (lastBlank >= from)
                return lastBlank;
            // A word wider than the line is cut, one character at the least.
            return std::max(i - 1, from);
        }
    }
    return static_cast<int>(std::strlen(text)) - 1;
}

template <class Line>
int FGFont::forEachLine(char const* text, int width, Line line) const
{
    int lines = 0;
    int from = 0;
    while (text[from]) {
        int last = getLastFittingChar(text, from, width);
        // A carriage return and line feed pair ends one line.
        if (text[last] == '\r' && text[last + 1] == '\n')
            ++last;
        line(from, last);
        ++lines;
        from = last + 1;
    }
    return lines;
}

int FGFont::getDisplayLength(char const* text, int width) const
{
    int widest = 0;
    forEachLine(text, width, [&](int from, int last) {
        // The blanks and the line break that end a line take no room.
        while (last >= from && (isWhitespace(text[last]) || isLineBreak(text[last])))
            --last;
        widest = std::max(widest, getDisplayLength(text, from, last + 1));
    });
    return widest;
}

int FGFont::getDisplayLines(char const* text, int width) const
{
    return forEachLine(text, width, [](int, int) {});
}

int FGFont::getDisplayHeight(char const* text, int width) const
{
    int const lines = getDisplayLines(text, width);
    return lines == 0 ? 0 : lines * (lineHeight + lineSpacing) - lineSpacing;
}
