// One rectangle ("cut") of a sheet image, with its hot spot.
#pragma once

class FGCutImage {
public:
    // The rectangle is kept inside a sheet of the given size: a negative
    // corner is raised to 0 and the size cut back to end on the sheet.
    void init(int sheetWidth, int sheetHeight, int x, int y, int width, int height, int hotSpotX, int hotSpotY);

    int getX() const { return x; }
    int getY() const { return y; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getHotSpotX() const { return hotSpotX; }
    int getHotSpotY() const { return hotSpotY; }
    bool isCPEnabled() const { return hotSpotEnabled; }
    void setCPEnabled(bool enabled) { hotSpotEnabled = enabled; }

private:
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int hotSpotX = 0;
    int hotSpotY = 0;
    bool hotSpotEnabled = false;
};
