// Animation and queries of a POD model: frames and interpolation, the
// world matrix cache, bones, cameras, lights, copies and skin packing.
#include "PODFixture.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTQuaternion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float kTolerance = 1e-5f;

enum FixtureNode { kQuad = 0, kStrip = 1, kLight = 2, kCamera = 3, kBone = 4 };

void ExpectMatrixNear(PVRTMATRIXf const& actual, PVRTMATRIXf const& expected)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual.f[i], expected.f[i], kTolerance) << "element " << i;
}

class PODAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { BuildFixtureScene(model); }

    PVRTMat4 Local(FixtureNode node)
    {
        SPODNode const& n = model.pNode[node];
        return model.GetTranslationMatrix(n) * model.GetRotationMatrix(n) * model.GetScalingMatrix(n);
    }

    CPVRTModelPOD model;
};

} // namespace

TEST_F(PODAnimationTest, PositionsInterpolateBetweenNeighbouringKeys)
{
    model.SetFrame(2.75f);
    PVRTVec3 const position = model.GetTranslation(model.pNode[kCamera]);
    EXPECT_FLOAT_EQ(position.z, 37.5f);
    // The interval after the last key holds the last key.
    model.SetFrame(3.5f);
    EXPECT_FLOAT_EQ(model.GetTranslation(model.pNode[kCamera]).z, 40.0f);
    // Without position keys the output is left alone.
    PVRTVECTOR3f untouched = {7, 7, 7};
    model.GetTranslation(untouched, model.pNode[kStrip]);
    EXPECT_EQ(untouched.x, 7.0f);
}

TEST_F(PODAnimationTest, RotationsAreSlerpedThroughTheirIndexArray)
{
    // Keys by frame: identity, 1 radian about Y (twice), identity.
    model.SetFrame(0.25f);
    ExpectMatrixNear(model.GetRotationMatrix(model.pNode[kBone]), PVRTMat4::RotationY(0.25f));
    model.SetFrame(2.5f);
    ExpectMatrixNear(model.GetRotationMatrix(model.pNode[kBone]), PVRTMat4::RotationY(0.5f));
}

TEST_F(PODAnimationTest, MatrixKeysAreTakenWithoutInterpolation)
{
    model.SetFrame(2.75f);
    PVRTMATRIXf transform;
    model.GetTransformationMatrix(transform, model.pNode[kStrip]);
    EXPECT_EQ(transform.f[12], 2.0f);
    EXPECT_EQ(model.GetWorldMatrix(model.pNode[kStrip]).f[12], 2.0f);
}

TEST_F(PODAnimationTest, ScenesWithoutFramesStayAtTheirRestPose)
{
    model.nNumFrame = 0;
    model.pNode[kCamera].nAnimFlags = 0;
    ASSERT_EQ(model.InitImpl(), 0);
    PVRTMat4 const rest = model.GetWorldMatrix(model.pNode[kCamera]);
    model.SetFrame(12.5f);
    ExpectMatrixNear(model.GetWorldMatrix(model.pNode[kCamera]), rest);
    ExpectMatrixNear(model.GetWorldMatrixNoCache(model.pNode[kCamera]), rest);
}

TEST_F(PODAnimationTest, WorldMatricesApplyTheLocalTransformBeforeTheParents)
{
    // quad -> bone -> light: a chain of three.
    model.pNode[kBone].nIdxParent = kLight;
    model.FlushCache();
    model.SetFrame(1.5f);
    PVRTMat4 const light = model.GetWorldMatrix(model.pNode[kLight]);
    PVRTMat4 const bone = model.GetWorldMatrix(model.pNode[kBone]);
    ExpectMatrixNear(light, Local(kLight));
    ExpectMatrixNear(bone, light * Local(kBone));
    ExpectMatrixNear(model.GetWorldMatrix(model.pNode[kQuad]), bone * Local(kQuad));

    PVRTMATRIXf functionForm;
    PVRTMatrixMultiplyF(functionForm, Local(kQuad), bone);
    ExpectMatrixNear(model.GetWorldMatrix(model.pNode[kQuad]), functionForm);
}

TEST_F(PODAnimationTest, CacheServesFrameZeroAndTheLastFrameAsked)
{
    SPODNode& camera = model.pNode[kCamera];
    model.SetFrame(2.0f);
    float const atTwo = model.GetWorldMatrix(camera).f[14];
    EXPECT_EQ(atTwo, 30.0f);

    // Keys changed behind the cache's back show only without the cache.
    camera.pfAnimPosition[2] = 11.0f;
    camera.pfAnimPosition[8] = 33.0f;
    EXPECT_EQ(model.GetWorldMatrix(camera).f[14], atTwo);
    EXPECT_EQ(model.GetWorldMatrixNoCache(camera).f[14], 33.0f);
    model.SetFrame(0.0f);
    EXPECT_EQ(model.GetWorldMatrix(camera).f[14], 10.0f);
    model.SetFrame(2.0f);
    EXPECT_EQ(model.GetWorldMatrix(camera).f[14], atTwo);
    model.SetFrame(1.0f);
    EXPECT_EQ(model.GetWorldMatrix(camera).f[14], 20.0f);

    model.FlushCache();
    EXPECT_EQ(model.GetWorldMatrix(camera).f[14], 11.0f);
}

TEST_F(PODAnimationTest, BoneMatricesCarryTheRestPoseToTheBonesPose)
{
    SPODNode const& quad = model.pNode[kQuad];
    SPODNode const& bone = model.pNode[kBone];
    model.SetFrame(0.0f);
    ExpectMatrixNear(model.GetBoneWorldMatrix(quad, bone), model.GetWorldMatrix(quad));

    model.SetFrame(1.0f);
    PVRTMat4 const skinning = model.GetBoneWorldMatrix(quad, bone);
    model.SetFrame(0.0f);
    PVRTMat4 const meshRest = model.GetWorldMatrix(quad);
    PVRTMat4 const boneRest = model.GetWorldMatrix(bone);
    model.SetFrame(1.0f);
    ExpectMatrixNear(skinning, model.GetWorldMatrix(bone) * boneRest.inverse() * meshRest);
}

TEST_F(PODAnimationTest, CamerasAndLights)
{
    model.SetFrame(2.75f);
    PVRTVECTOR3f eye, target, up;
    float const fov = model.GetCamera(eye, target, up, 0);
    EXPECT_FLOAT_EQ(fov, 0.775f);
    EXPECT_FLOAT_EQ(eye.z, 37.5f);
    // Looking down its negative Y axis with its negative Z up.
    EXPECT_FLOAT_EQ(target.y, -1.0f);
    EXPECT_FLOAT_EQ(up.z, -1.0f);

    // The camera's target is the strip node, at x = 2 in frame 2.
    PVRTVECTOR3f targetOfNode = {9, 9, 9};
    model.GetCameraPos(eye, targetOfNode, 0);
    EXPECT_EQ(targetOfNode.x, 2.0f);
    model.pCamera[0].nIdxTarget = -1;
    PVRTVECTOR3f untouched = {9, 9, 9};
    model.GetCameraPos(eye, untouched, 0);
    EXPECT_EQ(untouched.x, 9.0f);

    PVRTVec4 const position = model.GetLightPosition(0);
    PVRTVec4 const direction = model.GetLightDirection(0);
    EXPECT_EQ(position.y, 10.0f);
    EXPECT_EQ(position.w, 1.0f);
    EXPECT_EQ(direction.y, -1.0f);
    EXPECT_EQ(direction.w, 0.0f);
}

TEST_F(PODAnimationTest, CopiesAreDeepAndAdoptedScenesStayTheCallers)
{
    // Copying or adopting its own scene keeps it.
    ASSERT_EQ(model.CopyFromMemory(model), 0);
    ASSERT_EQ(model.ReadFromMemory(static_cast<SPODScene const&>(model)), 0);
    EXPECT_STREQ(model.pNode[kQuad].pszName, "quad");

    CPVRTModelPOD copy;
    ASSERT_EQ(copy.CopyFromMemory(model), 0);
    ExpectScenesEqual(copy, model);
    EXPECT_NE(copy.pNode, model.pNode);
    EXPECT_NE(copy.pMesh[0].sVertex.pData, model.pMesh[0].sVertex.pData);
    copy.Destroy();

    CPVRTModelPOD adopted;
    ASSERT_EQ(adopted.ReadFromMemory(static_cast<SPODScene const&>(model)), 0);
    EXPECT_EQ(adopted.pNode, model.pNode);
    adopted.SetFrame(2.75f);
    EXPECT_FLOAT_EQ(adopted.GetTranslation(adopted.pNode[kCamera]).z, 37.5f);
    adopted.Destroy();
    EXPECT_EQ(adopted.pNode, nullptr);
    // The original still owns intact arrays (the sanitizer build would
    // catch a double free when it goes).
    EXPECT_STREQ(model.pNode[kQuad].pszName, "quad");
}

TEST(PODSkin, PackingIndicesAndWeights)
{
    char indices[4], weights[4];
    int const bones[] = {3, 9};
    float const halves[] = {0.5f, 0.5f};
    ASSERT_EQ(CPVRTModelPOD::CreateSkinIdxWeight(indices, weights, 2, bones, halves), 0);
    EXPECT_EQ(static_cast<unsigned char>(weights[0]), 128);
    EXPECT_EQ(static_cast<unsigned char>(weights[1]), 127);
    EXPECT_EQ(indices[0], 3);
    EXPECT_EQ(indices[1], 9);
    EXPECT_EQ(indices[2], 0);
    EXPECT_EQ(weights[3], 0);

    int const tooHigh[] = {256};
    float const one[] = {1.0f};
    testing::internal::CaptureStderr();
    EXPECT_EQ(CPVRTModelPOD::CreateSkinIdxWeight(indices, weights, 1, tooHigh, one), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Too many bones (highest index is 255).\n");
    float const none[] = {0.0f};
    EXPECT_EQ(CPVRTModelPOD::CreateSkinIdxWeight(indices, weights, 1, bones, none), 1);
    int const five[] = {0, 1, 2, 3, 4};
    float const fifths[] = {0.2f, 0.2f, 0.2f, 0.2f, 0.2f};
    EXPECT_EQ(CPVRTModelPOD::CreateSkinIdxWeight(indices, weights, 5, five, fifths), 1);
}
