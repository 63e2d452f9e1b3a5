// A screen over a fresh mounted folder, with the registry, text dictionary
// and asset dictionary it uses, and helpers to write descriptions and run
// script code in the screen's state.
#pragma once

#include "tests/support/ImageFixtures.h"

#include "guif/Screen.h"
#include "norv/base/core/SmartPtr.h"

#include <string>

namespace GuifTest {

class ScreenFixture : public ImageTest::MountedAssets {
protected:
    void SetUp() override;
    void TearDown() override;

    void Write(std::string const& name, std::string const& text);
    // A PNG of one colour.
    void WriteImage(std::string const& name, int width, int height, unsigned char r = 200, unsigned char g = 100,
                    unsigned char b = 50);

    // Runs script code in the screen's state; "" on success, else the error.
    std::string Run(std::string const& code);
    // The value of a script expression.
    double Number(std::string const& expression);
    std::string Text(std::string const& expression);
    bool Truth(std::string const& expression);
    // The script state's stack height, to check that calls leave it alone.
    int StackTop();

    Norv::SmartPtr<Guif::Screen> screen;
};

} // namespace GuifTest
