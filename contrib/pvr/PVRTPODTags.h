// Block tags of the POD file format, shared by the reader and the writer.
#pragma once

namespace PVRTPODTag {

// An end marker is its block's tag with this bit set, and length 0.
constexpr unsigned int kEndBit = 0x80000000u;
constexpr unsigned int End(unsigned int tag)
{
    return tag | kEndBit;
}

// The version block holds exactly these 11 bytes, the zero included.
constexpr char kVersion[] = "AB.POD.2.0";
constexpr unsigned int kVersionLength = sizeof kVersion;
// The version tag as it reads from a file written in the other byte order.
constexpr unsigned int kSwappedVersion = 0xE8030000u;

enum : unsigned int {
    Version = 1000,
    Scene = 1001,
    ExportOptions = 1002,
    History = 1003,

    SceneClearColour = 2000,
    SceneAmbientColour = 2001,
    SceneNumCamera = 2002,
    SceneNumLight = 2003,
    SceneNumMesh = 2004,
    SceneNumNode = 2005,
    SceneNumMeshNode = 2006,
    SceneNumTexture = 2007,
    SceneNumMaterial = 2008,
    SceneNumFrame = 2009,
    SceneCamera = 2010,
    SceneLight = 2011,
    SceneMesh = 2012,
    SceneNode = 2013,
    SceneTexture = 2014,
    SceneMaterial = 2015,
    SceneFlags = 2016,
    SceneFPS = 2017,

    MaterialName = 3000,
    MaterialTexDiffuse = 3001,
    MaterialOpacity = 3002,
    MaterialAmbient = 3003,
    MaterialDiffuse = 3004,
    MaterialSpecular = 3005,
    MaterialShininess = 3006,
    MaterialEffectFile = 3007,
    MaterialEffectName = 3008,
    MaterialTexAmbient = 3009,
    MaterialTexRefraction = 3017,
    MaterialBlendSrcRGB = 3018,
    MaterialBlendSrcA = 3019,
    MaterialBlendDstRGB = 3020,
    MaterialBlendDstA = 3021,
    MaterialBlendOpRGB = 3022,
    MaterialBlendOpA = 3023,
    MaterialBlendColour = 3024,
    MaterialBlendFactor = 3025,
    MaterialFlags = 3026,

    TextureFilename = 4000,

    NodeIdx = 5000,
    NodeName = 5001,
    NodeIdxMaterial = 5002,
    NodeIdxParent = 5003,
    NodePos = 5004,
    NodeRot = 5005,
    NodeScale = 5006,
    NodeAnimPos = 5007,
    NodeAnimRot = 5008,
    NodeAnimScale = 5009,
    NodeMatrix = 5010,
    NodeAnimMatrix = 5011,
    NodeAnimFlags = 5012,
    NodeAnimPosIdx = 5013,
    NodeAnimRotIdx = 5014,
    NodeAnimScaleIdx = 5015,
    NodeAnimMatrixIdx = 5016,

    MeshNumVtx = 6000,
    MeshNumFaces = 6001,
    MeshNumUVW = 6002,
    MeshFaces = 6003,
    MeshStripLength = 6004,
    MeshNumStrips = 6005,
    MeshVtx = 6006,
    MeshNor = 6007,
    MeshTan = 6008,
    MeshBin = 6009,
    MeshUVW = 6010,
    MeshVtxCol = 6011,
    MeshBoneIdx = 6012,
    MeshBoneWeight = 6013,
    MeshInterleaved = 6014,
    MeshBoneBatches = 6015,
    MeshBoneBatchBoneCounts = 6016,
    MeshBoneBatchOffsets = 6017,
    MeshBoneBatchBoneMax = 6018,
    MeshBoneBatchCount = 6019,
    MeshUnpackMatrix = 6020,

    LightIdxTgt = 7000,
    LightColour = 7001,
    LightType = 7002,
    LightConstantAttenuation = 7003,
    LightLinearAttenuation = 7004,
    LightQuadraticAttenuation = 7005,
    LightFalloffAngle = 7006,
    LightFalloffExponent = 7007,

    CameraIdxTgt = 8000,
    CameraFOV = 8001,
    CameraFar = 8002,
    CameraNear = 8003,
    CameraAnimFOV = 8004,

    DataType = 9000,
    DataN = 9001,
    DataStride = 9002,
    DataData = 9003
};

} // namespace PVRTPODTag
