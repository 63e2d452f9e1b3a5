// The framework's drawing context. All drawing goes through the engine's
// batcher and the GUI screens now; the context keeps only its colour,
// translation and clip for the framework code that still asks for them.
#pragma once

class FGImage;

class FGGraphics {
public:
    // Anchor bits of drawImage.
    enum Anchor {
        HCenter = 1,
        VCenter = 2,
        Right = 8,
        Bottom = 32,
    };

    virtual ~FGGraphics() = default;

    // Clears translation and colour; the clip covers the engine's screen.
    void init();

    // Moves the position by the anchor and has the image draw itself.
    virtual void drawImage(FGImage* image, int x, int y, int anchor);
    virtual void drawLine(int, int, int, int) {}
    virtual void drawRect(int, int, int, int) {}
    virtual void fillRect(int, int, int, int) {}
    virtual void drawTriangle(int, int, int, int, int, int) {}
    virtual void fillTriangle(int, int, int, int, int, int) {}
    virtual void setColor(unsigned int) {}
    virtual unsigned int getColor() const { return color; }
    // Adds to the translation and takes it off the stored clip position.
    virtual void translate(int dx, int dy);
    // The clip at (x, y) plus the translation.
    virtual void setClip(int x, int y, int width, int height);
    virtual int getClipX() const { return clipX; }
    virtual int getClipY() const { return clipY; }
    virtual int getClipWidth() const { return clipWidth; }
    virtual int getClipHeight() const { return clipHeight; }
    virtual int getTranslateX() const { return translateX; }
    virtual int getTranslateY() const { return translateY; }
    virtual void drawLineNoTranslation(int, int, int, int) {}

    // The clip becomes its intersection with the rectangle.
    void intersectClip(int x, int y, int width, int height);
    void setClipAndColor(int, int, int, int, unsigned int) {}

private:
    unsigned int color = 0;
    int translateX = 0;
    int translateY = 0;
    short clipX = 0;
    short clipY = 0;
    short clipWidth = 0;
    short clipHeight = 0;
};
