// A scrolling text box of the framework's own 2D layer: a text read from a
// file, wrapped in the font and paged through by whole screens of lines.
// The game's texts are GUI text boxes; no form is made in it.
#pragma once

#include "qrvl/original/framework/FGString.h"

class FGFont;
class FGGraphics;
class FGImage;

class FGForm {
public:
    // Position and size values that stand for the screen's own.
    static constexpr int kScreenSize = -1;
    static constexpr unsigned int kNoBackground = 0xFF00FF;
    // The margin a form keeps on each side of its text.
    static constexpr int kTextMargin = 2;

    // Reads the text from a file; false when the file is missing.
    bool init(FGFont* font, FGImage* upArrow, FGImage* downArrow, char const* fileName, char const* title,
              unsigned int colour);
    // A carriage return and line feed pair counts as one line feed.
    void setText(char const* text);
    void setTitle(char const* newTitle) { title.set(newTitle); }
    void clear();
    void setPosition(int newX, int newY, int newWidth, int newHeight);
    void setScroll(int line);
    void setJustify(int value) { justify = value; }

    int getDisplayAreaWidth() const;
    int getDisplayableTextHeight() const;
    bool canScrollUp() const { return scroll > 0; }
    bool canScrollDown() const { return scroll < scrollableLines; }
    void pageUp() { setScroll(scroll - visibleLines); }
    void pageDown() { setScroll(scroll + visibleLines); }
    int getScroll() const { return scroll; }
    int getVisibleLines() const { return visibleLines; }
    int getScrollableLines() const { return scrollableLines; }
    FGString const& getText() const { return text; }

    void drawSelf(FGGraphics&) {}
    void drawArrows(FGGraphics&) {}
    void handleKey(int) {}

private:
    int areaHeight() const;
    // Counts the lines the text wraps to and what of them fits.
    void layOut();

    FGString text;
    FGString title;
    FGFont* font = nullptr;
    FGImage* arrows[2] = {nullptr, nullptr};
    int x = kScreenSize;
    int y = kScreenSize;
    int width = kScreenSize;
    int height = kScreenSize;
    unsigned int background = kNoBackground;
    int scroll = 0;
    int visibleLines = 0;
    int scrollableLines = 0;
    int justify = 0;
};
