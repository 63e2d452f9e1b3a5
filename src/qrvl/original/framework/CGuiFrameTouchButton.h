// A button press as game logic receives it: the sender builds one, sets the
// id its control, script callback or key stands for, and hands it on; the
// receiving mode reads only the id.
#pragma once

class CGuiFrameTouchButton {
public:
    // Not set by the sender.
    static constexpr int kNoId = -1;

    CGuiFrameTouchButton() = default;
    explicit CGuiFrameTouchButton(int id) : id(id) {}

    int id = kNoId;
};
