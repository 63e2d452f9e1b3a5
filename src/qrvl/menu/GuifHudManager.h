// The one owner of the pages drawn over the game: builds them once, draws
// the visible ones in a fixed order and hands them touches and keys. So far
// it holds the modal yes/no page.
#pragma once

#include <memory>

namespace Norv {
class Surface;
}

namespace qrvl {

class CGuifPageYesNo;

class GuifHudManager {
public:
    static GuifHudManager& GetHudManager();

    // Builds the pages, all hidden; later calls do nothing.
    void Setup();
    bool IsSetUp() const { return yesNo != nullptr; }

    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    void keyPressed(int key);

    // Texts already looked up; null for the ones not given. Both do
    // nothing before Setup.
    void EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly);
    void ExitYesNoModalDialogue();

    CGuifPageYesNo* GetYesNo() const { return yesNo.get(); }

    // While set, the pages other than the map are neither drawn nor touched.
    bool hide = false;

private:
    GuifHudManager() = default;

    std::unique_ptr<CGuifPageYesNo> yesNo;
};

} // namespace qrvl
