// A button of the framework's own 2D layer; the game's buttons are GUI
// controls, so it only keeps its image and id.
#pragma once

class FGGraphics;
class FGImage;

class UIButton {
public:
    void init(FGImage* newImage) { init(newImage, 0); }
    void init(FGImage* newImage, int newId)
    {
        image = newImage;
        id = newId;
        pressed = highlighted = disabled = false;
    }
    void setImage(FGImage*) {}
    void drawSelf(FGGraphics&) {}
    int getId() const { return id; }

private:
    FGImage* image = nullptr;
    int id = 0;
    bool pressed = false;
    bool highlighted = false;
    bool disabled = false;
};
