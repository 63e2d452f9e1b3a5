// A POD scene with its animation state: reading, frame setting, world,
// bone, camera and light queries, copies and the writer.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTPODScene.h"
#include "contrib/pvr/PVRTVec3.h"
#include "contrib/pvr/PVRTVec4.h"

#include <cstddef>

class CSource;
struct SPVRTPODImpl;

class CPVRTModelPOD : public SPODScene {
public:
    CPVRTModelPOD();
    ~CPVRTModelPOD();
    CPVRTModelPOD(CPVRTModelPOD const&) = delete;
    CPVRTModelPOD& operator=(CPVRTModelPOD const&) = delete;

    // 0 on success with the scene ready at frame 0, 1 on failure (the model
    // is then empty). With an export-options or history buffer the call
    // copies that text instead of reading the scene.
    int ReadFromFile(char const* fileName, char* exportOptions = nullptr, unsigned long optionsSize = 0,
        char* history = nullptr, unsigned long historySize = 0);
    // The same over bytes the caller keeps alive during the call.
    int ReadFromMemory(char const* data, unsigned long size, char* exportOptions = nullptr,
        unsigned long optionsSize = 0, char* history = nullptr, unsigned long historySize = 0);
    // Adopts the caller's scene without copying; Destroy then frees only the
    // cache. 0, or 1 when the cache cannot be made.
    int ReadFromMemory(SPODScene const& scene);
    // A deep copy of the scene; 0 or 1.
    int CopyFromMemory(SPODScene const& scene);

    // Writes the scene; 0 on success, 1 on failure.
    int SavePOD(char const* fileName, char const* exportOptions = nullptr, char const* history = nullptr);

    // (Re)makes the cache for the current nodes and fills it; 0 or 1.
    int InitImpl();
    // Recomputes the frame-0 world matrices and resets the cache to frame 0.
    void FlushCache();
    // Frees the scene (unless adopted) and the cache, and empties the model.
    void Destroy();
    // Frees the cache only.
    void DestroyImpl();

    void SetFrame(float frame);

    void GetRotationMatrix(PVRTMATRIXf& out, SPODNode const& node) const;
    PVRTMat4 GetRotationMatrix(SPODNode const& node) const;
    void GetScalingMatrix(PVRTMATRIXf& out, SPODNode const& node) const;
    PVRTMat4 GetScalingMatrix(SPODNode const& node) const;
    void GetTranslationMatrix(PVRTMATRIXf& out, SPODNode const& node) const;
    PVRTMat4 GetTranslationMatrix(SPODNode const& node) const;
    void GetTransformationMatrix(PVRTMATRIXf& out, SPODNode const& node) const;
    // The node's interpolated position; out is untouched without keys.
    void GetTranslation(PVRTVECTOR3f& out, SPODNode const& node) const;
    PVRTVec3 GetTranslation(SPODNode const& node) const;

    // World matrix of a node of this scene at the current frame.
    void GetWorldMatrix(PVRTMATRIXf& out, SPODNode const& node) const;
    PVRTMat4 GetWorldMatrix(SPODNode const& node) const;
    void GetWorldMatrixNoCache(PVRTMATRIXf& out, SPODNode const& node) const;
    PVRTMat4 GetWorldMatrixNoCache(SPODNode const& node) const;
    // Carries a vertex of the mesh from its rest pose to the bone's pose.
    void GetBoneWorldMatrix(PVRTMATRIXf& out, SPODNode const& meshNode, SPODNode const& boneNode);
    PVRTMat4 GetBoneWorldMatrix(SPODNode const& meshNode, SPODNode const& boneNode);

    // Eye, target and up of camera c; returns its field of view.
    float GetCamera(PVRTVECTOR3f& eye, PVRTVECTOR3f& target, PVRTVECTOR3f& up, unsigned int c) const;
    // Eye and, when the camera has a target node, target; returns the field
    // of view.
    float GetCameraPos(PVRTVECTOR3f& eye, PVRTVECTOR3f& target, unsigned int c) const;
    void GetLight(PVRTVECTOR3f& position, PVRTVECTOR3f& direction, unsigned int l) const;
    PVRTVec4 GetLightPosition(unsigned int l) const;
    PVRTVec4 GetLightDirection(unsigned int l) const;

    // Packs up to four bone indices and weights (summing to 255) into
    // bytes; 0, or 1 for a bone index above 255 or weights summing to 0.
    static int CreateSkinIdxWeight(
        char* indices, char* weights, int boneCount, int const* boneIndices, float const* boneWeights);

private:
    int Read(CSource& source, char* exportOptions, unsigned long optionsSize, char* history, unsigned long historySize);
    // The key of a kind at the current frame and the one after it.
    float const* Key(float const* keys, unsigned int const* indices, unsigned int keySize, bool next) const;
    float CameraFov(unsigned int c) const;
    unsigned int NodeIndex(SPODNode const& node) const;

    SPVRTPODImpl* m_pImpl;
};

// The writer's and the copies' size of a key array in floats.
unsigned int PVRTModelPODGetAnimArraySize(unsigned int const* indices, unsigned int frames, unsigned int floatsPerKey);
// Bytes of one element of the type; 0 for types without data.
unsigned int PVRTModelPODDataTypeSize(EPVRTDataType type);
// Components of one element of the type.
unsigned int PVRTModelPODDataTypeComponentCount(EPVRTDataType type);
// Bytes per vertex of a stream: element size times components.
unsigned int PVRTModelPODDataStride(CPODData const& data);
// Indices the mesh draws: strips count their two extra corners.
unsigned int PVRTModelPODCountIndices(SPODMesh const& mesh);
// Bytes of an interleaved mesh's block: whole vertices, and every stream's
// last element.
size_t PVRTModelPODInterleavedBytes(SPODMesh const& mesh);
// Rewrites 2- and 4-byte elements of interleaved data from little-endian
// to host order.
void PVRTFixInterleavedEndianness(SPODMesh& mesh);

// One vertex of `in` through matrices[0], or through the bone matrices
// named by the float bone indices weighted by the bone weights, written to
// the same vertex of `out`; with normalise x, y, z get unit length.
void TransformCPODData(CPODData& in, CPODData& out, int vertex, PVRTMATRIXf* matrices, float* boneIndices,
    float* boneWeights, int boneCount, bool normalise);

// Record copies used by scene copies; out is overwritten without freeing.
void PVRTModelPODCopyCPODData(CPODData const& in, CPODData& out, unsigned int count, bool interleaved);
void PVRTModelPODCopyNode(SPODNode const& in, SPODNode& out, unsigned int frames);
void PVRTModelPODCopyMesh(SPODMesh const& in, SPODMesh& out);
void PVRTModelPODCopyCamera(SPODCamera const& in, SPODCamera& out, unsigned int frames);
void PVRTModelPODCopyLight(SPODLight const& in, SPODLight& out);
void PVRTModelPODCopyTexture(SPODTexture const& in, SPODTexture& out);
void PVRTModelPODCopyMaterial(SPODMaterial const& in, SPODMaterial& out);
