// HUD elements' rectangles.
#include "qrvl/menu/hud/HudHitBox.h"

#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/menu/screens/ScreenControls.h"

namespace qrvl {

HudHitBox HudHitBox::Of(Guif::Screen* screen, char const* name)
{
    Guif::Control* control = screen ? screen->FindControl(name) : nullptr;
    Guif::TransformedSprite* sprite = FindTransformedSprite(screen, name);
    if (!control || !sprite)
        return {};
    ResManager const* layout = ResManager::GetInstance();
    HudHitBox box;
    box.x = static_cast<int>(control->CalculateX()) + (layout ? layout->GetOffsetX() : 0);
    box.y = static_cast<int>(control->CalculateY()) + (layout ? layout->GetOffsetY() : 0);
    box.width = static_cast<int>(sprite->GetWidth());
    box.height = static_cast<int>(sprite->GetHeight());
    return box;
}

} // namespace qrvl
