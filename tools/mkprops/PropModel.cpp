// Fills the toolkit's scene records, as its reader makes them, and lets
// the toolkit's writer save them. Node rotations are stored as the
// toolkit reads them: it builds the transposed matrix of a quaternion.
#include "PropModel.h"
#include "PodBuilder.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPOD.h"
#include "contrib/pvr/PVRTQuaternion.h"
#include "norv/base/core/Pi.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The byte layout of one vertex in the file.
struct Layout {
    std::size_t stride = 0;
    std::size_t position = 0, normal = 0, uv = 0, uv2 = 0, tangent = 0, binormal = 0, colour = 0;
};

Layout LayoutFor(bool tangentSpace)
{
    Layout l;
    auto take = [&l](std::size_t& field, std::size_t bytes) { field = l.stride, l.stride += bytes; };
    take(l.position, 12), take(l.normal, 12), take(l.uv, 8);
    if (tangentSpace)
        take(l.uv2, 8), take(l.tangent, 12), take(l.binormal, 12);
    take(l.colour, 4);
    return l;
}

void SetStream(CPODData& data, EPVRTDataType type, unsigned n, Layout const& layout, std::size_t offset)
{
    data.eType = type;
    data.n = n;
    data.nStride = unsigned(layout.stride);
    data.SetOffset(offset);
}

void FillMesh(SPODMesh& out, PropMesh const& mesh, bool tangentSpace)
{
    Layout const layout = LayoutFor(tangentSpace);
    std::vector<unsigned char> bytes(layout.stride * mesh.vertices.size());
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        PropVertex const& v = mesh.vertices[i];
        unsigned char* at = bytes.data() + i * layout.stride;
        auto put = [at](std::size_t offset, void const* data, std::size_t size) {
            std::memcpy(at + offset, data, size);
        };
        put(layout.position, &v.position, 12), put(layout.normal, &v.normal, 12), put(layout.uv, v.uv, 8);
        if (tangentSpace)
            put(layout.uv2, v.uv2, 8), put(layout.tangent, &v.tangent, 12), put(layout.binormal, &v.binormal, 12);
        put(layout.colour, v.colour, 4);
    }
    out.nNumVertex = unsigned(mesh.vertices.size());
    out.nNumFaces = unsigned(mesh.Triangles());
    out.nNumUVW = tangentSpace ? 2 : 1;
    out.pInterleaved = CArray(bytes.data(), bytes.size());
    SetStream(out.sVertex, EPODDataFloat, 3, layout, layout.position);
    SetStream(out.sNormals, EPODDataFloat, 3, layout, layout.normal);
    out.psUVW = static_cast<CPODData*>(std::calloc(out.nNumUVW, sizeof(CPODData)));
    SetStream(out.psUVW[0], EPODDataFloat, 2, layout, layout.uv);
    if (tangentSpace) {
        SetStream(out.psUVW[1], EPODDataFloat, 2, layout, layout.uv2);
        SetStream(out.sTangents, EPODDataFloat, 3, layout, layout.tangent);
        SetStream(out.sBinormals, EPODDataFloat, 3, layout, layout.binormal);
    }
    SetStream(out.sVtxColours, EPODDataRGBA, 1, layout, layout.colour);
    std::vector<uint16_t> indices(mesh.indices.begin(), mesh.indices.end());
    out.sFaces.eType = EPODDataUnsignedShort;
    out.sFaces.n = 1;
    out.sFaces.nStride = 2;
    out.sFaces.pData = reinterpret_cast<unsigned char*>(CArray(indices.data(), indices.size()));
    PVRTMatrixIdentityF(out.mUnpackMatrix);
}

// The quaternion the toolkit turns into this rotation.
void StoredRotation(PVRTVec3 const& degrees, float out[4])
{
    auto axis = [](int k, float deg) {
        float const half = deg * Norv::kPiF / 360.0f;
        PVRTQUATERNIONf q = {0, 0, 0, std::cos(half)};
        (k == 0 ? q.x : k == 1 ? q.y : q.z) = std::sin(half);
        return q;
    };
    // x first, then y, then z: q = qz qy qx.
    PVRTQUATERNIONf q = axis(0, degrees.x), qy = axis(1, degrees.y), qz = axis(2, degrees.z);
    PVRTMatrixQuaternionMultiplyF(q, qy, q);
    PVRTMatrixQuaternionMultiplyF(q, qz, q);
    out[0] = -q.x, out[1] = -q.y, out[2] = -q.z, out[3] = q.w;
}

void FillNode(SPODNode& node, PropNode const& prop, int index, int frames)
{
    node.nIdx = index;
    node.pszName = CText(prop.name);
    node.nIdxMaterial = prop.material;
    node.nIdxParent = -1;
    int const keyed = prop.keys.empty() ? 1 : std::max(frames, 1);
    std::vector<float> positions, rotations, scales;
    for (int f = 0; f < keyed; ++f) {
        NodeKey const key = KeyAt(prop.keys, float(f));
        float rotation[4];
        StoredRotation(key.turn, rotation);
        positions.insert(positions.end(), {key.position.x, key.position.y, key.position.z});
        rotations.insert(rotations.end(), rotation, rotation + 4);
        scales.insert(scales.end(), {key.scale.x, key.scale.y, key.scale.z, 0, 0, 0, 0});
    }
    if (keyed > 1)
        node.nAnimFlags = ePODHasPositionAni | ePODHasRotationAni | ePODHasScaleAni;
    node.pfAnimPosition = CArray(positions.data(), positions.size());
    node.pfAnimRotation = CArray(rotations.data(), rotations.size());
    node.pfAnimScale = CArray(scales.data(), scales.size());
}

} // namespace

NodeKey KeyAt(std::vector<NodeKey> const& keys, float frame)
{
    if (keys.empty())
        return NodeKey();
    if (frame <= float(keys.front().frame))
        return keys.front();
    for (std::size_t i = 1; i < keys.size(); ++i) {
        NodeKey const& a = keys[i - 1];
        NodeKey const& b = keys[i];
        if (frame > float(b.frame))
            continue;
        float const t = b.frame > a.frame ? (frame - float(a.frame)) / float(b.frame - a.frame) : 1.0f;
        NodeKey key;
        key.frame = int(frame);
        key.position = a.position + (b.position - a.position) * t;
        key.turn = a.turn + (b.turn - a.turn) * t;
        key.scale = a.scale + (b.scale - a.scale) * t;
        return key;
    }
    return keys.back();
}

bool PropModel::Write(std::string const& path) const
{
    CPVRTModelPOD model;
    model.nNumFrame = unsigned(frames);
    model.nFPS = unsigned(fps);
    model.nNumMesh = model.nNumMeshNode = model.nNumNode = unsigned(nodes.size());
    model.pMesh = static_cast<SPODMesh*>(std::calloc(nodes.size(), sizeof(SPODMesh)));
    model.pNode = static_cast<SPODNode*>(std::calloc(nodes.size(), sizeof(SPODNode)));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        FillMesh(model.pMesh[i], nodes[i].mesh, tangentSpace);
        FillNode(model.pNode[i], nodes[i], int(i), frames);
    }
    model.nNumTexture = model.nNumMaterial = unsigned(materials.size());
    model.pTexture = static_cast<SPODTexture*>(std::calloc(materials.size() + 1, sizeof(SPODTexture)));
    model.pMaterial = static_cast<SPODMaterial*>(std::calloc(materials.size() + 1, sizeof(SPODMaterial)));
    for (std::size_t i = 0; i < materials.size(); ++i) {
        SPODMaterial& m = model.pMaterial[i];
        m.pszName = CText(materials[i].name);
        model.pTexture[i].pszName = CText(materials[i].texture);
        m.nIdxTexDiffuse = int(i);
        m.nIdxTexAmbient = m.nIdxTexSpecularColour = m.nIdxTexSpecularLevel = -1;
        m.nIdxTexBump = m.nIdxTexEmissive = m.nIdxTexGlossiness = -1;
        m.nIdxTexOpacity = m.nIdxTexReflection = m.nIdxTexRefraction = -1;
        m.fMatOpacity = 1.0f;
        for (int c = 0; c < 3; ++c)
            m.pfMatAmbient[c] = m.pfMatDiffuse[c] = 1.0f;
    }
    return model.SavePOD(path.c_str()) == 0;
}
