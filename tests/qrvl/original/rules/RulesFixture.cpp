// The in-memory game of the rules tests.
#include "RulesFixture.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

TestEngine::TestEngine()
{
    Norv::Vfs::Initialize();
    Norv::MountNative(Norv::PosixPath(NORV_TEST_SOURCE_DIR "/../../../../data/board/"), "", 0);
    RulesEngine::install(this);
}

TestEngine::~TestEngine()
{
    RulesEngine::install(nullptr);
    Norv::Vfs::Shutdown();
}

bool RecordingPresenter::sawPopup(const std::string& id) const
{
    for (const std::string& seen : popups) {
        if (seen == id)
            return true;
    }
    return false;
}

int RecordingPresenter::getValuePointedTo()
{
    if (wheel.empty())
        return BoardPresenter::getValuePointedTo();
    int value = wheel.front();
    wheel.erase(wheel.begin());
    return value;
}

RulesFixture::RulesFixture(int numPlayers, unsigned seed)
    : HeadlessGame(numPlayers, seed, presenter, screens)
{
}

RulesFixture::~RulesFixture()
{
    for (const std::string& fault : faults())
        ADD_FAILURE() << fault;
}
