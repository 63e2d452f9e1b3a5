// A button press as game logic receives it: the integer id that the
// pressed control's script method stands for.
#pragma once

class CGuiFrameTouchButton {
public:
    CGuiFrameTouchButton() = default;
    explicit CGuiFrameTouchButton(int id) : id(id) {}

    int id = 0;
};
