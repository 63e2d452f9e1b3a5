// The framework's scrolling text box.
#include "qrvl/original/framework/FGForm.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGFont.h"

#include <algorithm>
#include <memory>
#include <string>

bool FGForm::init(FGFont* newFont, FGImage* upArrow, FGImage* downArrow, char const* fileName, char const* newTitle,
                  unsigned int colour)
{
    font = newFont;
    arrows[0] = upArrow;
    arrows[1] = downArrow;
    background = colour;
    title.set(newTitle);
    FGEngine* engine = FGEngine::getEngine();
    std::unique_ptr<FGData> file = engine ? engine->getFileSystem().getFile(fileName) : nullptr;
    if (!file) {
        FGEngine::fatal("Could not find file in FGForm.init()");
        clear();
        return false;
    }
    FGString const contents(file.get());
    setText(contents.getNativeString());
    return true;
}

void FGForm::setText(char const* newText)
{
    std::string lines(newText ? newText : "");
    for (size_t pair = lines.find("\r\n"); pair != std::string::npos; pair = lines.find("\r\n", pair))
        lines.erase(pair, 1);
    text.set(lines.c_str());
    scroll = 0;
    layOut();
}

void FGForm::clear()
{
    setText("");
}

void FGForm::setPosition(int newX, int newY, int newWidth, int newHeight)
{
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    layOut();
}

void FGForm::setScroll(int line)
{
    scroll = std::clamp(line, 0, scrollableLines);
}

int FGForm::getDisplayAreaWidth() const
{
    FGEngine* engine = FGEngine::getEngine();
    int const full = width != kScreenSize ? width : (engine ? engine->getScreenWidth() : 0);
    return full - 2 * kTextMargin;
}

int FGForm::areaHeight() const
{
    FGEngine* engine = FGEngine::getEngine();
    return height != kScreenSize ? height : (engine ? engine->getScreenHeight() : 0);
}

int FGForm::getDisplayableTextHeight() const
{
    return font ? visibleLines * font->getLineStep() : 0;
}

void FGForm::layOut()
{
    if (!font || font->getLineStep() <= 0) {
        visibleLines = scrollableLines = scroll = 0;
        return;
    }
    int const lines = font->getDisplayLines(text.getNativeString(), getDisplayAreaWidth());
    visibleLines = std::max(areaHeight() / font->getLineStep(), 1);
    scrollableLines = std::max(lines - visibleLines, 0);
    setScroll(scroll);
}
