// A scripted screen in a real window: its script builds the tree from
// descriptions, the window shows it as the reference screenshot does, and a
// click on its button reaches the script's handler, which switches the
// button's representation and the caption's text. NORV_UPDATE_REFERENCES=1 writes new references
// from the screenshots (look at them before committing them).
#include "tests/support/ImageFixtures.h"
#include "tests/support/TempFolder.h"

#include "tests/harness/ChildProcess.h"
#include "tests/harness/ReferenceShot.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace NorvTest;
using ImageTest::Bytes;

// The scene is laid out for this window.
constexpr int kWidth = 160;
constexpr int kHeight = 120;
// Room for other GL implementations' rounding of edges, turns and blends.
constexpr int kChannelTolerance = 16;
constexpr double kWaitSeconds = 10.0;

Bytes Png(int width, int height, Rgb left, Rgb right)
{
    ImageTest::PngSpec spec;
    spec.width = width;
    spec.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb const c = x < width / 2 ? left : right;
            spec.rows.insert(spec.rows.end(), {static_cast<unsigned char>(c.red), static_cast<unsigned char>(c.green),
                                               static_cast<unsigned char>(c.blue)});
        }
    return ImageTest::WritePng(spec);
}

void WriteText(std::string const& path, std::string const& text)
{
    ASSERT_TRUE(ImageTest::WriteFile(path, Bytes(text.begin(), text.end())));
}

// The descriptions and script of the screen.
void WriteScreen(std::string const& folder)
{
    ASSERT_TRUE(ImageTest::WriteFile(folder + "dot.png", Png(20, 20, {220, 40, 40}, {40, 200, 60})));
    ASSERT_TRUE(ImageTest::WriteFile(folder + "bar.png", Png(20, 10, {250, 220, 40}, {250, 220, 40})));
    ASSERT_TRUE(ImageTest::WriteFile(folder + "blue.png", Png(20, 20, {40, 80, 230}, {40, 80, 230})));
    auto const rectangle = [](std::string const& size, std::string const& rgb, bool filled) {
        return "<g><item type='Rectangle'>" + size + "<filled>" + (filled ? "true" : "false") +
               "</filled><color>" + rgb + "</color></item></g>";
    };
    WriteText(folder + "background.xml",
              rectangle("<width>W</width><height>H</height>", "<r>30</r><g>40</g><b>70</b>", true));
    WriteText(folder + "panel.xml", rectangle("<width>60</width><height>40</height>",
                                              "<r>255</r><g>255</g><b>255</b>", true));
    ASSERT_TRUE(ImageTest::MakeFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", 14,
                                    folder + "bold.xml"));
    WriteText(folder + "caption.xml", "<g><item type='ColorText'><width>W</width><height>16</height>"
                                      "<font>bold.xml</font><align>center</align><shadow>true</shadow>"
                                      "<color><r>255</r><g>255</g><b>255</b></color></item></g>");
    WriteText(folder + "dot.xml", "<g><item type='Sprite'><file>dot.png</file></item></g>");
    WriteText(folder + "turned.xml", "<g><item type='TransformedSprite' name='bar'><file>bar.png</file>"
                                     "<width>40</width><height>20</height><horAlign>center</horAlign>"
                                     "<verAlign>center</verAlign></item></g>");
    WriteText(folder + "picture.xml", "<g><item type='Image' name='img'><center>true</center></item></g>");
    WriteText(folder + "button.xml",
              "<g><item type='Rectangle'><width>50</width><height>30</height><filled>true</filled>"
              "<color override='fill'><r>40</r><g>160</g><b>60</b></color>"
              "<children><item type='Rectangle'><relative/><width>50</width><height>30</height><filled>false</filled>"
              "<color><r>255</r><g>255</g><b>255</b></color></item></children></item></g>");
    WriteText(folder + "controls.xml",
              "<screen>"
              "<item name='background'><representation file='background.xml'/></item>"
              "<item name='panel'><x>10</x><y>10</y><alpha>160</alpha>"
              "  <compositing><width>60</width><height>40</height></compositing>"
              "  <representation file='panel.xml'/>"
              "  <children><item name='dot'><relative/><x>20</x><y>10</y><representation file='dot.xml'/></item>"
              "  </children></item>"
              "<item name='turned'><x>W - 45</x><y>30</y><representation file='turned.xml'/></item>"
              "<item name='picture'><x>40</x><y>90</y><representation file='picture.xml'/></item>"
              "<item name='button'><x>90</x><y>70</y><touchable>true</touchable>"
              "  <representation file='button.xml'/>"
              "  <representation type='pressed' file='button.xml'>"
              "    <override name='fill'><r>240</r><g>140</g><b>30</b></override></representation></item>"
              "<item name='caption' type='TextLine'><y>H - 18</y><text>S_CAPTION</text>"
              "  <representation file='caption.xml'/></item>"
              "<item name='secret'><visibility>false</visibility><representation file='panel.xml'/></item>"
              "</screen>");
    WriteText(folder + "screen.lua",
              "W, H = 160, 120\n"
              "local root = screen:GetControl('root')\n"
              "root:InsertFromXml('controls.xml')\n"
              "screen:GetControl('turned'):GetControl('bar'):SetAngle(0.5)\n"
              "screen:GetControl('picture'):GetControl('img'):SetImage('blue.png')\n"
              "function Screen:OnTouchUp(x, y, id)\n"
              "  local hit = self:GetTouchableControl(x, y)\n"
              "  if hit and hit:GetName() == 'button' then\n"
              "    hit:SetRepresentation('pressed')\n"
              "    self:GetControl('caption'):SetTextRaw('Pressed')\n"
              "  end\n"
              "end\n");
}

// Waits until the window shows the reference kept beside this test.
::testing::AssertionResult ShowsReference(TestWindow const& window, std::string const& name)
{
    Image shot;
    std::string problem;
    if (MatchesReferenceShot(window, std::string(NORV_TEST_SOURCE_DIR) + "/" + name, name, kChannelTolerance,
                             kWaitSeconds, shot, problem) &&
        shot.Width() == kWidth && shot.Height() == kHeight)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << ": " << problem;
}

TEST(GuifScreen, DrawsItsTreeAndAnswersAClick)
{
    TempFolder screenFolder;
    std::string const folder = screenFolder.path + "/";
    WriteScreen(folder);
    ChildProcess program;
    TestWindow window;
    ASSERT_TRUE(program.Start({ProgramPath("quorvel-guif-screen"), "-w", std::to_string(kWidth), "-h",
                               std::to_string(kHeight)},
                              {{"SDL_AUDIODRIVER", "dummy"}, {"QUORVEL_GUIF_FOLDER", folder.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel GUI$", program.Pid())) << program.Output();
    ASSERT_TRUE(window.WaitForSize(kWidth, kHeight));

    EXPECT_TRUE(ShowsReference(window, "guif-screen.png")) << program.Output();
    // A click beside the button changes nothing; one on it reaches the
    // script, which shows the button pressed.
    ASSERT_TRUE(window.Click(20, 110));
    ASSERT_TRUE(window.Click(115, 85));
    EXPECT_TRUE(ShowsReference(window, "guif-screen-pressed.png")) << program.Output();

    ASSERT_TRUE(window.Key("alt+F4"));
    EXPECT_EQ(program.WaitForExit(kWaitSeconds), 0) << program.Output();
}

} // namespace
