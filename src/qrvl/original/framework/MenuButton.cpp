// The old list menus' item.
#include "qrvl/original/framework/MenuButton.h"

#include "qrvl/original/framework/FGStringManager.h"

#include <cstdio>

void MenuButton::init(char const* stringId, int buttonId) { initLiteral(FGStringManager::getString(stringId), buttonId, nullptr); }

void MenuButton::initLiteral(char const* text, int buttonId, FGFont*)
{
    lines[0] = text;
    id = buttonId;
    x = y = 0;
    selected = false;
    hasExtraLines = false;
    enabled = true;
    lineCount = 1;
}

void MenuButton::addText(char const* stringId) { addTextLiteral(FGStringManager::getString(stringId)); }

void MenuButton::addTextLiteral(char const* text)
{
    if (lineCount > kMaxAddedLines) {
        std::fprintf(stderr, "MenuButton: no room for another line\n");
        return;
    }
    lines[lineCount++] = text;
    hasExtraLines = true;
}
