// A model whose texture steps through the cells of an atlas, left to right
// and then row by row: the glowing marker over a picked space.
#pragma once

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

class TexAnimEnt : public CEnt {
public:
    explicit TexAnimEnt(CEntImpl& model) : CEnt(model) {}
    // Keeps the atlas and its speed; the clock starts again.
    TexAnimEnt(TexAnimEnt const& other)
        : CEnt(other), columns(other.columns), rows(other.rows), framesPerSecond(other.framesPerSecond)
    {
    }

    // Both at least 1.
    void SetAnim(int atlasColumns, int atlasRows);
    void SetAnimFps(int fps) { framesPerSecond = float(fps); }

    // Only the atlas clock runs.
    void Update(float seconds) override { frameTime += framesPerSecond * seconds; }
    void Render() override;

    float frameTime = 0.0f;

private:
    int columns = 1;
    int rows = 1;
    float framesPerSecond = 30.0f;
};
