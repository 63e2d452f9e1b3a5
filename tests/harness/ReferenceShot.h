// Compares what a window shows with a reference screenshot kept beside a
// test. With NORV_UPDATE_REFERENCES=1 in the environment the window's
// screenshot first becomes the new reference (look at it before committing
// it).
#pragma once

#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"

#include <string>

namespace NorvTest {

// Takes screenshots into OutputPath(shotName) until one matches the
// reference within the channel tolerance or time is up. `shot` holds the
// last screenshot; on failure `problem` says what went wrong.
bool MatchesReferenceShot(TestWindow const& window, std::string const& referencePath, std::string const& shotName,
                          int tolerance, double timeoutSeconds, Image& shot, std::string& problem);

} // namespace NorvTest
