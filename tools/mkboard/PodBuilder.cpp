// Fills the toolkit's scene records (C arrays, as its reader makes them)
// and lets the toolkit's writer save them.
#include "PodBuilder.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPOD.h"

#include <cstdlib>
#include <cstring>

namespace {

void SetStream(CPODData& data, EPVRTDataType type, unsigned int n, std::size_t offset)
{
    data.eType = type;
    data.n = n;
    data.nStride = sizeof(PodVertex);
    data.SetOffset(offset);
}

void FillMesh(SPODMesh& out, PodMesh const& mesh)
{
    out.nNumVertex = unsigned(mesh.vertices.size());
    out.nNumFaces = unsigned(mesh.indices.size() / 3);
    out.nNumUVW = 1;
    out.pInterleaved = reinterpret_cast<unsigned char*>(CArray(mesh.vertices.data(), mesh.vertices.size()));
    SetStream(out.sVertex, EPODDataFloat, 3, offsetof(PodVertex, position));
    SetStream(out.sNormals, EPODDataFloat, 3, offsetof(PodVertex, normal));
    out.psUVW = static_cast<CPODData*>(std::calloc(1, sizeof(CPODData)));
    SetStream(out.psUVW[0], EPODDataFloat, 2, offsetof(PodVertex, uv));
    SetStream(out.sVtxColours, EPODDataRGBA, 1, offsetof(PodVertex, colour));
    out.sFaces.eType = EPODDataUnsignedShort;
    out.sFaces.n = 1;
    out.sFaces.nStride = 2;
    out.sFaces.pData = reinterpret_cast<unsigned char*>(CArray(mesh.indices.data(), mesh.indices.size()));
    PVRTMatrixIdentityF(out.mUnpackMatrix);
}

void FillNode(SPODNode& node, std::string const& name, int index, int material, PVRTVec3 const& at)
{
    node.nIdx = index;
    node.pszName = CText(name);
    node.nIdxMaterial = material;
    node.nIdxParent = -1;
    float const position[3] = {at.x, at.y, at.z};
    float const rotation[4] = {0, 0, 0, 1};
    float const scale[7] = {1, 1, 1, 0, 0, 0, 0};
    node.pfAnimPosition = CArray(position, 3);
    node.pfAnimRotation = CArray(rotation, 4);
    node.pfAnimScale = CArray(scale, 7);
}

} // namespace

uint16_t PodMesh::Add(PVRTVec3 const& p, PVRTVec3 const& n, float u, float v, uint32_t rgba)
{
    PodVertex vertex {{p.x, p.y, p.z}, {n.x, n.y, n.z}, {u, v},
                      {uint8_t(rgba >> 24), uint8_t(rgba >> 16), uint8_t(rgba >> 8), uint8_t(rgba)}};
    vertices.push_back(vertex);
    return uint16_t(vertices.size() - 1);
}

int PodScene::AddMaterial(std::string const& name, std::string const& texture)
{
    PodMaterial material;
    material.name = name;
    material.texture = texture;
    materials.push_back(material);
    return int(materials.size() - 1);
}

bool PodScene::Write(std::string const& path) const
{
    CPVRTModelPOD model;
    model.nNumFrame = 0;
    model.nFPS = 30;
    model.nNumMesh = unsigned(meshes.size());
    model.pMesh = static_cast<SPODMesh*>(std::calloc(meshes.size(), sizeof(SPODMesh)));
    model.nNumMeshNode = model.nNumMesh;
    model.nNumCamera = hasCamera ? 1 : 0;
    model.nNumNode = model.nNumMeshNode + model.nNumCamera;
    model.pNode = static_cast<SPODNode*>(std::calloc(model.nNumNode, sizeof(SPODNode)));
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        FillMesh(model.pMesh[i], meshes[i]);
        FillNode(model.pNode[i], meshes[i].name, int(i), meshes[i].material, meshes[i].translation);
    }
    if (hasCamera) {
        model.pCamera = static_cast<SPODCamera*>(std::calloc(1, sizeof(SPODCamera)));
        model.pCamera[0].nIdxTarget = -1;
        model.pCamera[0].fFOV = cameraFov;
        model.pCamera[0].fNear = 1.0f;
        model.pCamera[0].fFar = 100000.0f;
        FillNode(model.pNode[meshes.size()], "camera", 0, -1, cameraPosition);
    }
    int textures = 0;
    for (PodMaterial const& material : materials)
        textures += material.texture.empty() ? 0 : 1;
    model.nNumTexture = unsigned(textures);
    model.pTexture = static_cast<SPODTexture*>(std::calloc(textures ? textures : 1, sizeof(SPODTexture)));
    model.nNumMaterial = unsigned(materials.size());
    model.pMaterial = static_cast<SPODMaterial*>(std::calloc(materials.size() ? materials.size() : 1, sizeof(SPODMaterial)));
    int texture = 0;
    for (std::size_t i = 0; i < materials.size(); ++i) {
        SPODMaterial& m = model.pMaterial[i];
        m.pszName = CText(materials[i].name);
        m.nIdxTexDiffuse = -1;
        if (!materials[i].texture.empty()) {
            model.pTexture[texture].pszName = CText(materials[i].texture);
            m.nIdxTexDiffuse = texture++;
        }
        m.nIdxTexAmbient = m.nIdxTexSpecularColour = m.nIdxTexSpecularLevel = -1;
        m.nIdxTexBump = m.nIdxTexEmissive = m.nIdxTexGlossiness = -1;
        m.nIdxTexOpacity = m.nIdxTexReflection = m.nIdxTexRefraction = -1;
        m.fMatOpacity = 1.0f;
        for (int c = 0; c < 3; ++c)
            m.pfMatAmbient[c] = m.pfMatDiffuse[c] = materials[i].colour[c];
    }
    return model.SavePOD(path.c_str()) == 0;
}

char* CText(std::string const& text)
{
    return CArray(text.c_str(), text.size() + 1);
}
