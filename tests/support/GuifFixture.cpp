// The screen fixture of the GUI tests.
#include "tests/support/GuifFixture.h"

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

namespace GuifTest {

void ScreenFixture::SetUp()
{
    MountedAssets::SetUp();
    Norv::g_registry = new Norv::Registry();
    Norv::g_textDict = new Norv::TextDict();
    screen = new Guif::Screen(0, nullptr);
}

void ScreenFixture::TearDown()
{
    screen.Release();
    Norv::g_textDict.Release();
    Norv::g_registry.Release();
    MountedAssets::TearDown();
}

void ScreenFixture::Write(std::string const& name, std::string const& text)
{
    ASSERT_TRUE(ImageTest::WriteFile(folder + name, ImageTest::Bytes(text.begin(), text.end())));
}

void ScreenFixture::WriteImage(std::string const& name, int width, int height, unsigned char r, unsigned char g,
                               unsigned char b)
{
    ImageTest::PngSpec spec;
    spec.width = width;
    spec.height = height;
    for (int i = 0; i < width * height; ++i)
        spec.rows.insert(spec.rows.end(), {r, g, b});
    ASSERT_TRUE(ImageTest::WriteFile(folder + name, ImageTest::WritePng(spec)));
}

std::string ScreenFixture::Run(std::string const& code)
{
    lua_State* L = screen->GetLua()->GetState();
    int const top = lua_gettop(L);
    std::string error;
    if (luaL_loadstring(L, code.c_str()) != 0 || lua_pcall(L, 0, 0, 0) != 0)
        error = lua_tostring(L, -1) ? lua_tostring(L, -1) : "(error without message)";
    lua_settop(L, top);
    return error;
}

double ScreenFixture::Number(std::string const& expression)
{
    EXPECT_EQ(Run("result = " + expression), "");
    lua_State* L = screen->GetLua()->GetState();
    lua_getglobal(L, "result");
    double const value = lua_tonumber(L, -1);
    lua_pop(L, 1);
    return value;
}

std::string ScreenFixture::Text(std::string const& expression)
{
    EXPECT_EQ(Run("result = tostring(" + expression + ")"), "");
    lua_State* L = screen->GetLua()->GetState();
    lua_getglobal(L, "result");
    std::string const value = lua_tostring(L, -1) ? lua_tostring(L, -1) : "";
    lua_pop(L, 1);
    return value;
}

bool ScreenFixture::Truth(std::string const& expression)
{
    return Text("(" + expression + ") and true or false") == "true";
}

int ScreenFixture::StackTop()
{
    return lua_gettop(screen->GetLua()->GetState());
}

} // namespace GuifTest
