// The board scene's drawing, back to front in the order the frame needs:
// the sky's clear colour, the board with its flowing water, the wheel and
// its clicker, the cars, the scenery, the particles and the marker.
#include "qrvl/original/phone/world/CWorld.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/MeshDrawing.h"
#include "qrvl/original/phone/world/ViewCulling.h"

#include "norv/graphics/OpenGL.h"

namespace {

constexpr float kSky[4] = {0.6f, 0.8f, 1.0f, 1.0f};
constexpr float kFieldOfView = 0.5235988f;
constexpr float kNear = 100.0f;
constexpr float kFar = 5000.0f;
constexpr float kClickerLift = 20.0f;
constexpr float kAlphaReference = 0.2f;
constexpr int kScrollingNodes[2] = {48, 60};
float const kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};

bool Scrolls(unsigned int node)
{
    return node == unsigned(kScrollingNodes[0]) || node == unsigned(kScrollingNodes[1]);
}

} // namespace

using MeshDrawing::Offset;
using MeshDrawing::SetClientArray;
using MeshDrawing::SetMaterialColours;

void CWorld::RenderModel(CEntImpl& model, PVRTMat4 const& matrix)
{
    if (!board || !board->IsLoaded() || !model.IsLoaded())
        return;
    CPVRTModelPOD& pod = model.model;
    glMatrixMode(GL_MODELVIEW);
    PVRTMat4 const clipFromWorld = ViewCulling::CurrentClipFromModel();
    for (unsigned int n = 0; n < pod.nNumMeshNode; ++n) {
        SPODNode const& node = pod.pNode[n];
        // The world models pair node i with mesh i; a node naming another
        // mesh, or none, is skipped.
        if (node.nIdx != int(n) || n >= pod.nNumMesh || n >= model.vertexBuffers.size())
            continue;
        SPODMesh const& mesh = pod.pMesh[n];
        bool const scrolls = &model == board.Get() && Scrolls(n);
        if (scrolls) {
            // The water flows on while it is out of sight.
            textureClock += float(CEngine::GetEngine().GetFrameMs()) / 1000.0f / 10.0f;
            while (textureClock > 1.0f)
                textureClock -= 1.0f;
        }
        PVRTMat4 const placement = pod.GetWorldMatrix(node) * matrix;
        if (n < model.spheres.size() && ViewCulling::OutsideView(clipFromWorld * placement, model.spheres[n]))
            continue;
        glPushMatrix();
        glMultMatrixf(placement.f);
        if (scrolls) {
            glMatrixMode(GL_TEXTURE);
            glLoadIdentity();
            glTranslatef(textureClock, 0.0f, 0.0f);
            glMatrixMode(GL_MODELVIEW);
        }
        int const material = node.nIdxMaterial;
        if (material >= 0 && unsigned(material) < pod.nNumMaterial && unsigned(material) < model.textures.size()) {
            glBindTexture(GL_TEXTURE_2D, model.textures[std::size_t(material)]);
            SetMaterialColours(pod.pMaterial[material].pfMatAmbient, pod.pMaterial[material].pfMatDiffuse);
            float const* colour = pod.pMaterial[material].pfMatDiffuse;
            glColor4f(colour[0], colour[1], colour[2], 1.0f);
        } else {
            glBindTexture(GL_TEXTURE_2D, 0);
            SetMaterialColours(kWhite, kWhite);
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        }
        glBindBuffer(GL_ARRAY_BUFFER, model.vertexBuffers[n]);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, model.indexBuffers[n]);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, GLsizei(mesh.sVertex.nStride), Offset(mesh.sVertex));
        bool const textured = mesh.nNumUVW > 0 && mesh.psUVW;
        glClientActiveTexture(GL_TEXTURE0);
        SetClientArray(GL_TEXTURE_COORD_ARRAY, textured);
        if (textured)
            glTexCoordPointer(2, GL_FLOAT, GLsizei(mesh.psUVW[0].nStride), Offset(mesh.psUVW[0]));
        SetClientArray(GL_NORMAL_ARRAY, mesh.sNormals.n > 0);
        if (mesh.sNormals.n > 0)
            glNormalPointer(GL_FLOAT, GLsizei(mesh.sNormals.nStride), Offset(mesh.sNormals));
        bool const colours = mesh.sVtxColours.n > 0;
        SetClientArray(GL_COLOR_ARRAY, colours);
        if (colours)
            glColorPointer(4, GL_UNSIGNED_BYTE, GLsizei(mesh.sVtxColours.nStride), Offset(mesh.sVtxColours));
        GLsizei const count = GLsizei(mesh.nNumFaces * 3);
        if (model.indexBuffers[n])
            glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, nullptr);
        else
            glDrawArrays(GL_TRIANGLES, 0, count);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glPopMatrix();
        if (scrolls) {
            glMatrixMode(GL_TEXTURE);
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
        }
    }
}

void CWorld::Render()
{
    if (!board || !board->IsLoaded())
        return;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport[0], viewport[1], viewport[2], viewport[3]);
    glClearColor(kSky[0], kSky[1], kSky[2], kSky[3]);
    // The 2D layer may leave depth writes off, which would keep the clear
    // from reaching the depth buffer.
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, kAlphaReference);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    if (Norv::GetGLCaps().glsl)
        glUseProgram(0);

    float const aspect = viewport[3] > 0 ? float(viewport[2]) / float(viewport[3]) : 4.0f / 3.0f;
    projection = PVRTMat4::PerspectiveFov(kFieldOfView, aspect, kNear, kFar, PVRTMat4::OGL, true);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection.f);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(GetCamera().f);

    if (pickPending)
        ColorRender();
    RenderModel(*board, PVRTMat4::Identity());
    if (spinner)
        spinner->Render();
    if (clicker) {
        float const angle = clickerMotion ? clickerMotion->GetDeflection() : 0.0f;
        RenderModel(*clicker, PVRTMat4::RotationY(angle) * PVRTMat4::Translation(0.0f, kClickerLift, 0.0f));
    }
    for (Norv::SmartPtr<CEnt> const& car : cars)
        if (car)
            car->Render();
    for (auto const& entry : named) {
        bool const boat = entry.first == "boat_anim.pod";
        if (boat)
            glDisable(GL_CULL_FACE);
        for (Norv::SmartPtr<CEnt> const& entity : entry.second)
            entity->Render();
        if (boat)
            glEnable(GL_CULL_FACE);
    }
    glDisable(GL_CULL_FACE);
    PVRTMat4 const cameraToWorld = GetCamera().inverse();
    for (Norv::SmartPtr<Particles> const& particles : transientParticles)
        particles->Render(cameraToWorld);
    for (Norv::SmartPtr<Particles> const& particles : ambientParticles)
        particles->Render(cameraToWorld);
    glEnable(GL_CULL_FACE);
    if (marker) {
        glDisable(GL_ALPHA_TEST);
        glDepthMask(GL_FALSE);
        marker->Render();
        glEnable(GL_ALPHA_TEST);
        glDepthMask(GL_TRUE);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_SCISSOR_TEST);
}

void CWorld::ColorRender()
{
    int const x = int(pickX);
    int const y = int(pickY);
    glScissor(x, y, 1, 1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_DEPTH_TEST);
    SetMaterialColours(kWhite, kWhite);
    glClientActiveTexture(GL_TEXTURE0);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    // Ground patches, then the spaces over them, then the touchables.
    if (!collisionMesh.empty()) {
        glVertexPointer(3, GL_FLOAT, sizeof(CollMeshData), &collisionMesh[0].position);
        glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(CollMeshData), collisionMesh[0].colour);
        glDrawArrays(GL_QUADS, 0, GLsizei(collisionMesh.size()));
    }
    glDisableClientState(GL_COLOR_ARRAY);
    if (Board* rules = Board::GetBoard()) {
        if (spaceQuads.empty())
            BuildSpaceQuads(*rules);
        glDisable(GL_CULL_FACE);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, sizeof(SpaceQuadVertex), &spaceQuads[0].position);
        glColorPointer(4, GL_FLOAT, sizeof(SpaceQuadVertex), &spaceQuads[0].colour);
        glDrawArrays(GL_QUADS, 0, GLsizei(spaceQuads.size()));
        glDisableClientState(GL_COLOR_ARRAY);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_CULL_FACE);
    }
    for (auto const& entry : named)
        for (Norv::SmartPtr<CEnt> const& entity : entry.second)
            entity->ColorRender();

    unsigned char pixel[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glScissor(viewport[0], viewport[1], viewport[2], viewport[3]);
    PickAt(x, y, pixel);

    pickPending = false;
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, kAlphaReference);
    glEnable(GL_TEXTURE_2D);
    glClear(GL_DEPTH_BUFFER_BIT);
}

void CWorld::BuildSpaceQuads(Board& rules)
{
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        float const* at = rules.getSpace(i)->position;
        PVRTVec4 const colour(1.0f, 1.0f, float(i) / 255.0f, 1.0f);
        for (PVRTVec3 const& corner :
             {PVRTVec3(at[0] - 100, at[1], at[2] + 100), PVRTVec3(at[0] - 100, at[1], at[2] - 100),
              PVRTVec3(at[0] + 100, at[1], at[2] - 100), PVRTVec3(at[0] + 100, at[1], at[2] + 100)})
            spaceQuads.push_back({corner, colour});
    }
}
