// The step-wise resource loader: one entry per name, progress by count and
// by bytes, a full table, image sets and the world's loading steps.
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGResLoader.h"
#include "qrvl/original/framework/PresentationHooks.h"

#include "tests/support/TempFolder.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

namespace {

class ResLoaderTest : public testing::Test {
protected:
    FGEngine engine;
    FGResLoader loader;
};

TEST_F(ResLoaderTest, ANameRegisteredTwiceKeepsItsFirstType)
{
    loader.init(8);
    loader.registerImage("logo.png");
    loader.registerSound("logo.png", 3);
    EXPECT_EQ(loader.count(), 1);
    EXPECT_EQ(loader.getFilenameIdx("logo.png", FGResLoader::TypeImage), 0);
    EXPECT_EQ(loader.getFilenameIdx("logo.png", FGResLoader::TypeSound), -1);
    EXPECT_TRUE(loader.isResourceLoaded("logo.png"));
    EXPECT_EQ(loader.getImage("logo.png"), nullptr); // not loaded yet
    loader.loadAllResources();
    EXPECT_NE(loader.getImage("logo.png"), nullptr);
    EXPECT_EQ(loader.getImage("missing.png"), nullptr);
}

TEST_F(ResLoaderTest, ProgressCountsLoadedEntries)
{
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 100);
    loader.init(8);
    for (char const* name : {"a", "b", "c", "d"})
        loader.registerImage(name);
    for (int i = 0; i < 3; ++i)
        loader.loadNextResource();
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 75);
    EXPECT_FALSE(loader.allResourcesLoaded());
    EXPECT_EQ(loader.getProgress(7), 0);
}

TEST_F(ResLoaderTest, ProgressByBytesWeighsTheFilesButNotCutSets)
{
    TempFolder folder;
    folder.Write("big.png", std::string(300, 'x'));
    folder.Write("small.png", std::string(100, 'x'));
    Norv::Vfs::Initialize();
    Norv::MountNative(folder.path + "/", "", 1);
    loader.init(8);
    loader.registerImage("big.png");
    loader.registerCuts("small.png", "big.png");
    loader.registerImage("small.png");
    loader.loadNextResource();
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByBytes), 75);
    loader.loadNextResource();
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByBytes), 75);
    EXPECT_EQ(loader.getFilenameIdx("small.png:big.png", FGResLoader::TypeCuts), 1);
    EXPECT_NE(loader.getCuts("small.png", "big.png"), nullptr);
    EXPECT_EQ(loader.getCuts("big.png", "small.png"), nullptr);
    Norv::Vfs::Shutdown();
}

TEST_F(ResLoaderTest, AFullTableDropsFurtherRegistrations)
{
    loader.init(500);
    for (int i = 0; i < 501; ++i)
        loader.registerImage(("image" + std::to_string(i)).c_str());
    EXPECT_EQ(loader.count(), 500);
    EXPECT_FALSE(loader.isResourceLoaded("image500"));

    FGResLoader unsized;
    unsized.registerImage("first");
    EXPECT_EQ(unsized.getCapacity(), FGResLoader::kDefaultCapacity);
}

TEST_F(ResLoaderTest, ImageSetsAreNumberedAsAskedAndFoundByIndex)
{
    loader.init(16);
    loader.registerImageSet("walk", ".png", 10, true, false);
    loader.registerImageSet("run", ".png", 2, false, true);
    loader.loadAllResources();
    for (char const* name : {"walk01.png", "walk09.png", "walk10.png", "run0.png", "run1.png"})
        EXPECT_TRUE(loader.isResourceLoaded(name)) << name;
    EXPECT_EQ(loader.getImageFromSet("walk", ".png", 0, true, false), loader.getImage("walk01.png"));
    EXPECT_EQ(loader.getImageFromSet("run", ".png", 1, false, true), loader.getImage("run1.png"));
}

TEST_F(ResLoaderTest, WorldStepsAndSoundsGoToTheirOwners)
{
    struct Steps : PresentationHooks {
        void LoadWorldStep(int type, int param) override { done.push_back(type * 100 + param); }
        std::vector<int> done;
    };
    Steps* steps = new Steps;
    PresentationHooks::Install(steps);
    loader.init(8);
    loader.registerResource("scene", 10, -1);
    loader.registerResource("ent", 4, 7);
    loader.registerResource("unknown", 15, 0);
    loader.registerSound("click.wav", 5);
    loader.loadAllResources();
    EXPECT_EQ(steps->done, (std::vector<int>{999, 407}));
    EXPECT_TRUE(engine.getSoundManager().isRegistered(5));
    PresentationHooks::Install(nullptr);
}

TEST_F(ResLoaderTest, ReRegistrationDropsTheLoadedEntriesNotAskedForAgain)
{
    loader.init(8);
    for (char const* name : {"a", "b", "c"})
        loader.registerImage(name);
    loader.loadNextResource();
    loader.loadNextResource();
    loader.beginRegistration();
    loader.registerImage("b");
    loader.endRegistration();
    EXPECT_EQ(loader.count(), 2);
    EXPECT_FALSE(loader.isResourceLoaded("a"));
    EXPECT_NE(loader.getImage("b"), nullptr);
    EXPECT_EQ(loader.getProgress(FGResLoader::ProgressByCount), 50);
    loader.clear();
    EXPECT_EQ(loader.count(), 0);
    EXPECT_EQ(loader.getCapacity(), 8);
}

} // namespace
