// What the transfer overlay drives on the HUD bar: the transfer animation,
// the other party's tab and the current player's money and tile figures.
#pragma once

namespace qrvl {

class TransferDisplay {
public:
    virtual ~TransferDisplay() = default;

    virtual void StartTransfer(int mode, int amount) = 0;
    // Colour and character -1 stand for the bank.
    virtual void ShowTransferElements(int colour, int character) = 0;
    virtual void HideTransferElements() = 0;
    virtual void SetPlayerMoney(int amount) = 0;
    virtual void SetPlayerQuorvelCardCount(int count) = 0;
};

} // namespace qrvl
