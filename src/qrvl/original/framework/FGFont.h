// A bitmap font of the framework's own 2D layer: glyph widths and spacing,
// and the word wrap measured with them. The game draws its texts with the
// engine's fonts; no FGFont is created in it.
#pragma once

#include "qrvl/original/framework/FGImage.h"

class FGFont : public FGImage {
public:
    static constexpr int kGlyphs = 256;

    void setGlyphWidth(unsigned char c, int width) { glyphWidths[c] = width; }
    void setMetrics(int newLineHeight, int newLetterSpacing, int newLineSpacing)
    {
        lineHeight = newLineHeight;
        letterSpacing = newLetterSpacing;
        lineSpacing = newLineSpacing;
    }
    void setJustify(int value) { justify = value; }
    // From the top of one line to the top of the next.
    int getLineStep() const { return lineHeight + lineSpacing; }

    // The glyph of c; a letter without a glyph of its own takes the other case's.
    int getIdxForChar(char c) const;
    int getGlyphWidth(char c) const { return glyphWidths[getIdxForChar(c)]; }
    static bool isWhitespace(char c) { return c == ' ' || c == '\t'; }

    // Glyph widths plus the letter spacing between glyphs, of text[from, to);
    // blanks before the first visible glyph do not count.
    int getDisplayLength(char const* text, int from, int to) const;
    int getDisplayLength(char const* text) const;
    // The last character of the line that starts at `from` and fits in
    // `width`: breaking after the last blank, or at a line break (which
    // belongs to its line).
    int getLastFittingChar(char const* text, int from, int width) const;
    // The widest wrapped line, the wrapped lines' height and their count.
    int getDisplayLength(char const* text, int width) const;
    int getDisplayHeight(char const* text, int width) const;
    int getDisplayLines(char const* text, int width) const;

    void drawText(FGGraphics&, char const*, int, int) {}
    void drawChar(FGGraphics&, char, int, int) {}

private:
    static bool isLineBreak(char c) { return c == '\n' || c == '\r'; }
    // Calls line(from, last) for every wrapped line; returns how many.
    template <class Line>
    int forEachLine(char const* text, int width, Line line) const;

    int glyphWidths[kGlyphs] = {};
    int lineHeight = 0;
    int letterSpacing = 0;
    int lineSpacing = 0;
    int justify = 0;
};
