// A framework image. The engine's surfaces do the real drawing; these
// objects are the placeholders the resource loader hands out, with a size
// and drawing operations that draw nothing.
#pragma once

class FGData;
class FGGraphics;

class FGImage {
public:
    virtual ~FGImage() = default;

    // A new empty image for a resource name.
    static FGImage* createImage(char const* name);
    static char const* getImageFilename(char const* name) { return name; }

    // There is no off-screen drawing into framework images.
    virtual FGGraphics* getGraphics();
    virtual bool init(char const*) { return false; }
    virtual bool init(FGData*, int, int) { return false; }
    virtual int getWidth() const { return width; }
    virtual int getHeight() const { return height; }
    virtual void drawSelf(FGGraphics&, int, int) {}
    // A part of the picture at a position.
    virtual void drawSelf(FGGraphics&, int, int, int, int, int, int) {}
    virtual void drawSelf(FGGraphics&, int, int, int) {}
    virtual void drawTiled(FGGraphics&, int, int, int, int) {}
    virtual void drawSelfFlipped(FGGraphics&, int, int) {}
    virtual void drawSelfFlippedH(FGGraphics&, int, int) {}
    virtual void drawSelfFlippedV(FGGraphics&, int, int) {}
    virtual bool initInternal() { return width != 0 && height != 0; }

private:
    int width = 0;
    int height = 0;
};
