// The report shown once the computers' turns have been skipped: what they
// did meanwhile, a line each, on a panel with OK. Its script knows it as
// the skip manager, whose OK it reports.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/phone/world/SkipReportHooks.h"

namespace Guif {
class TextBox;
}

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageSkipReport : public Norv::WeakRefCounter, public SkipReportHooks {
public:
    // The id OK sends straight to the mode stack.
    static constexpr int kOkButton = 1;

    static char const className[];
    static Norv::Lunar<CGuifPageSkipReport>::RegType methods[];

    CGuifPageSkipReport();

    void Show(std::vector<Norv::NarrowString> const& textLines) override;
    void Update(float seconds) override { screen->Update(seconds); }
    void Draw(Norv::Surface* surface) override { screen->Render(surface, 0.0f, 0.0f); }
    void OnTouchUp(int x, int y, int id) override { screen->OnTouchUp(x, y, id); }
    void OnTouchDown(int x, int y, int id) override { screen->OnTouchDown(x, y, id); }
    void OnTouchMove(int x, int y, int id) override { screen->OnTouchMove(x, y, id); }
    void KeyPressed(int key) override { screen->OnKeyDown(static_cast<Norv::KeyCode>(key)); }
    void KeyReleased(int key) override { screen->OnKeyUp(static_cast<Norv::KeyCode>(key)); }

    // The box of the report's lines; null when the script lacks it.
    Guif::TextBox* GetTextBox() const;

    int l_OKKeyPressed(lua_State* L);

private:
    Norv::SmartPtr<TranslatableScreen> screen;
};

} // namespace qrvl
