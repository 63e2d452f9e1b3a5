// Share the Wealth cards in a sideways carousel: the card just drawn, the
// cards held at the start of a game, or a player's cards on the status
// screen. OK closes it once the HUD's slides are over.
#pragma once

#include "qrvl/menu/screens/CGuifFrameTouchCarousel.h"
#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

#include <memory>
#include <vector>

namespace Guif {
class Screen;
}

struct ShareTheWealthCard;

class ModeShowShareTheWealth : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeShowShareTheWealth>::RegType methods[];
    static constexpr int kLayoutFrames = 12;
    static constexpr int kConfirm = -2;

    ~ModeShowShareTheWealth() override;

    // One card, closing by itself after the timeout.
    virtual void init(ShareTheWealthCard* card, int timeoutMs);
    // Every card of a list, in list order, until OK.
    virtual void init(ShareTheWealthCard* list);
    virtual void init(ShareTheWealthCard* list, bool titleBar, bool noLoop, bool background, bool prompt);
    using ModeChoose::init;

    void tick() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    // The picture of a card of that kind in a text language ("en_am",
    // "en", ...); null for kinds without one.
    static char const* PictureOf(int kind, char const* language);
    // Fills the frame of card position i; a null card changes nothing.
    static void PopulateCardFrame(ShareTheWealthCard const* card, int i, Guif::Screen* screen);

    qrvl::CGuifFrameTouchCarousel* GetCarousel() const { return carousel.get(); }
    char const* GetPrompt() const { return prompt; }

    // Script methods of "callback".
    int l_ConfirmKeyPressed(lua_State* L);
    int l_LeftArrowPressed(lua_State* L);
    int l_RightArrowPressed(lua_State* L);

protected:
    // A new carousel over `cards` on the screen, focused on the first card.
    void SetupUIPage();

    std::vector<ShareTheWealthCard*> cards;
    std::unique_ptr<qrvl::CGuifFrameTouchCarousel> carousel;

private:
    void setupGuif();

    char const* prompt = nullptr;
};
