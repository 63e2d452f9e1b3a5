// What a click on the board hits, from the colour of the pixel under it
// in the pick pass: a touchable entity, a space (its name on the HUD bar
// and the marker over it), or the ground (a footprint and a splash of
// grass, sand, snow or water, with its sound).
#include "qrvl/original/phone/world/CWorld.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/phone/world/TouchEntMgr.h"
#include "qrvl/port/SoundManager.h"

#include "norv/graphics/OpenGL.h"

namespace {

// The HUD bar's mode while it shows a picked space.
constexpr int kHudSpaceMode = 5;
constexpr float kMarkerLift = 15.0f;
// Ground patch codes in the red channel.
constexpr int kGrass = 254, kSand = 253, kSnow = 251;
// Templates: footprints 0 to 2, then grass, water, sand and snow.
constexpr int kGrassTemplate = 3, kWaterTemplate = 4, kSandTemplate = 5, kSnowTemplate = 6;

} // namespace

void CWorld::PickAt(int x, int y, unsigned char const* pixel)
{
    PVRTVec4 const colour(pixel[0] / 255.0f, pixel[1] / 255.0f, pixel[2] / 255.0f, pixel[3] / 255.0f);
    if (CEnt* entity = TouchEntMgr::GetInstance().GetEnt(colour)) {
        entity->OnTouch();
        return;
    }
    Board* rules = Board::GetBoard();
    if (pixel[0] == 255 && pixel[1] == 255 && pixel[3] == 255) {
        // Only real spaces: anything past the last is no space.
        if (!rules || pixel[2] >= Board::kNumSpaces)
            return;
        BoardSpace const& space = *rules->getSpace(pixel[2]);
        HudPages::Get().SetMessage(FGStringManager::getString(space.name));
        HudPages::Get().SetHudMode(kHudSpaceMode);
        HudPages::Get().ResetHudAutoHideTimer();
        if (marker) {
            marker->worldMatrix = PVRTMat4::Identity();
            marker->SetPosition(PVRTVec3(space.position[0], space.position[1] + kMarkerLift, space.position[2]));
            marker->visible = true;
        }
        return;
    }
    if (pixel[0] < 250 || pixel[3] != 255)
        return;
    PickGround(x, y, pixel);
}

void CWorld::PickGround(int x, int y, unsigned char const* pixel)
{
    // Draw the ground on black, and the board's water over it in white,
    // to tell water from land.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.6f, 0.8f, 1.0f, 1.0f);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnableClientState(GL_VERTEX_ARRAY);
    if (collision) {
        CPVRTModelPOD const& ground = collision->model;
        glEnableClientState(GL_COLOR_ARRAY);
        for (unsigned int n = 0; n < ground.nNumMeshNode; ++n) {
            int const index = ground.pNode[n].nIdx;
            if (index < 0 || unsigned(index) >= ground.nNumMesh)
                continue;
            SPODMesh const& mesh = ground.pMesh[index];
            if (!mesh.pInterleaved || !mesh.sVtxColours.n || !mesh.sFaces.pData)
                continue;
            glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), mesh.pInterleaved + mesh.sVertex.Offset());
            glColorPointer(4, GL_UNSIGNED_BYTE, GLsizei(mesh.sVtxColours.nStride),
                           mesh.pInterleaved + mesh.sVtxColours.Offset());
            glDrawElements(GL_TRIANGLES, GLsizei(mesh.nNumFaces * 3), GL_UNSIGNED_SHORT, mesh.sFaces.pData);
        }
        glDisableClientState(GL_COLOR_ARRAY);
    }
    int const waterNode = 6;
    if (board && unsigned(waterNode) < board->model.nNumMeshNode && board->model.pNode[waterNode].nIdx == waterNode
        && unsigned(waterNode) < board->vertexBuffers.size()) {
        SPODMesh const& water = board->model.pMesh[waterNode];
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glBindBuffer(GL_ARRAY_BUFFER, board->vertexBuffers[waterNode]);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, board->indexBuffers[waterNode]);
        glVertexPointer(3, GL_FLOAT, GLsizei(water.sVertex.nStride), reinterpret_cast<GLvoid const*>(water.sVertex.Offset()));
        glDrawElements(GL_TRIANGLES, GLsizei(water.nNumFaces * 3), GL_UNSIGNED_SHORT, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }
    unsigned char second[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, second);
    if (!second[0] && !second[1] && !second[2])
        return;
    bool const onWater = second[0] == 255 && second[1] == 255 && second[2] == 255;
    int footprint = -1;
    int effect = kWaterTemplate;
    char const* sound = "bi_water_tapped";
    if (!onWater && pixel[0] == kGrass)
        footprint = 0, effect = kGrassTemplate, sound = "bi_grass_tapped";
    else if (!onWater && pixel[0] == kSand)
        footprint = 1, effect = kSandTemplate, sound = "bi_sand_tapped";
    else if (!onWater && pixel[0] == kSnow)
        footprint = 2, effect = kSnowTemplate, sound = "bi_snow_tapped";
    SoundManager::GetInstance().PlaySound(sound);
    for (CollMeshData const& corner : collisionMesh) {
        if (corner.colour[3] != 255 || corner.colour[0] != pixel[0] || corner.colour[1] != pixel[1]
            || corner.colour[2] != pixel[2])
            continue;
        PVRTVec3 const at = corner.position + PVRTVec3(25.0f, 50.0f, 25.0f);
        for (int index : {footprint, effect}) {
            if (index < 0 || std::size_t(index) >= terrainTemplates.size())
                continue;
            Norv::SmartPtr<Particles> burst(new Particles(*terrainTemplates[std::size_t(index)], at));
            burst->Restart();
            transientParticles.push_back(burst);
        }
        return;
    }
}
