// Window screenshots against references kept with the tests.
#include "tests/harness/ReferenceShot.h"

#include "tests/harness/ExternalTool.h"

#include <cstdlib>

namespace NorvTest {

namespace {

bool UpdatingReferences()
{
    char const* update = std::getenv("NORV_UPDATE_REFERENCES");
    return update && std::string(update) == "1";
}

} // namespace

bool MatchesReferenceShot(TestWindow const& window, std::string const& referencePath, std::string const& shotName,
                          int tolerance, double timeoutSeconds, Image& shot, std::string& problem)
{
    std::string const shotPath = OutputPath(shotName);
    if (UpdatingReferences()) {
        if (!WaitUntil([&] { return window.Screenshot(shotPath) && shot.Load(shotPath); }, timeoutSeconds) ||
            RunTool({"cp", shotPath, referencePath}) != 0) {
            problem = "cannot write the reference " + referencePath;
            return false;
        }
    }
    Image reference;
    if (!reference.Load(referencePath)) {
        problem = "cannot read the reference " + referencePath;
        return false;
    }
    if (!WaitUntil([&] { return window.Screenshot(shotPath) && shot.Load(shotPath) &&
                                shot.Matches(reference, tolerance); },
                   timeoutSeconds)) {
        problem = "the window does not show the reference scene; see " + shotPath;
        return false;
    }
    return true;
}

} // namespace NorvTest
