// Drawing a model through the current cell of its texture atlas.
#include "qrvl/original/phone/world/TexAnimEnt.h"

#include "norv/graphics/OpenGL.h"

#include <algorithm>

void TexAnimEnt::SetAnim(int atlasColumns, int atlasRows)
{
    columns = std::max(atlasColumns, 1);
    rows = std::max(atlasRows, 1);
}

void TexAnimEnt::Render()
{
    int const cell = int(frameTime) % (columns * rows);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    // Later rows lie lower in the texture.
    glTranslatef(float(cell % columns) / float(columns), -float((cell / columns) % rows) / float(rows), 0.0f);
    glMatrixMode(GL_MODELVIEW);
    CEnt::Render();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}
