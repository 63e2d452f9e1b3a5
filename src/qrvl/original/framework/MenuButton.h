// One item of the old list menus: up to four lines of text and an id. Some
// modes still fill these lists; nothing draws them.
#pragma once

class FGFont;

class MenuButton {
public:
    // Lines that can follow the first one.
    static constexpr int kMaxAddedLines = 3;

    // The first line is the string manager's text for the id.
    void init(char const* stringId, int buttonId);
    void initLiteral(char const* text, int buttonId, FGFont* font);
    void addText(char const* stringId);
    void addTextLiteral(char const* text);
    void keyPressed(int) {}
    void keyReleased(int) {}

    char const* lines[1 + kMaxAddedLines] = {};
    int id = 0;
    int x = 0;
    int y = 0;
    bool selected = false;
    bool hasExtraLines = false;
    bool enabled = true;
    int reserved = 0;
    int lineCount = 1;
};
