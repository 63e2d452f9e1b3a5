// The Linux desktop layer: language and country from the locale environment,
// and the browser launcher started without a shell.
#include "norv/application/DesktopServices.h"
#include "tests/support/Environment.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Norv::DesktopServices;

char const* const kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

void SetLocaleEnvironment(char const* const (&values)[4])
{
    for (int i = 0; i < 4; ++i) {
        if (values[i])
            setenv(kLocaleVariables[i], values[i], 1);
        else
            unsetenv(kLocaleVariables[i]);
    }
}

TEST(DesktopServicesTest, LanguageAndCountryFromTheEnvironment)
{
    struct Case {
        char const* values[4];  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        char const* language;
        char const* country;
    };
    Case const cases[] = {
        {{nullptr, nullptr, nullptr, nullptr}, "", ""},
        {{nullptr, nullptr, nullptr, "en_GB.UTF-8"}, "en-GB", "GB"},
        {{nullptr, nullptr, nullptr, "C"}, "", ""},
        {{nullptr, nullptr, nullptr, "POSIX"}, "", ""},
        {{nullptr, nullptr, nullptr, "C.UTF-8"}, "", ""},
        {{nullptr, nullptr, nullptr, "es"}, "es", ""},
        {{"fr_FR:en_GB", nullptr, nullptr, "en_GB.UTF-8"}, "fr-FR", "FR"},
        {{"", "de_DE@euro", nullptr, "en_GB.UTF-8"}, "de-DE", "DE"},
        {{nullptr, "C", "it_IT.UTF-8", "en_US.UTF-8"}, "it-IT", "IT"},
        {{nullptr, "POSIX", "C", "en_US.ISO-8859-1"}, "en-US", "US"},
    };
    for (Case const& c : cases) {
        SetLocaleEnvironment(c.values);
        SCOPED_TRACE(std::string("LANGUAGE=") + (c.values[0] ? c.values[0] : "(unset)") + " LC_ALL="
                     + (c.values[1] ? c.values[1] : "(unset)") + " LC_MESSAGES="
                     + (c.values[2] ? c.values[2] : "(unset)") + " LANG=" + (c.values[3] ? c.values[3] : "(unset)"));
        EXPECT_EQ(DesktopServices::GetLanguageCode(), c.language);
        EXPECT_EQ(DesktopServices::GetCountryCode(), c.country);
    }
}

// A folder holding a stand-in xdg-open that writes its arguments to a file;
// PATH points only there while the test runs.
class BrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        record = folder + "/arguments";
        environment.Set("PATH", folder);
    }

    void InstallLauncher()
    {
        std::string const launcher = folder + "/xdg-open";
        std::ofstream(launcher) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " << record
                                << ".part && /bin/mv " << record << ".part " << record << "\n";
        chmod(launcher.c_str(), 0755);
    }

    std::string ReadRecord()
    {
        for (int tries = 0; tries < 500 && access(record.c_str(), F_OK) != 0; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream file(record);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    TempFolder temp;
    std::string const folder = temp.path;
    std::string record;
    NorvTest::Environment environment;
};

TEST_F(BrowserTest, PassesTheAddressAsOneUtf8Argument)
{
    InstallLauncher();
    // A space, a shell metacharacter and code points beyond one byte.
    EXPECT_TRUE(DesktopServices::OpenWebBrowser(L"https://example.org/caf\u00e9 x;y?q=\u4e2d\U0001F600"));
    EXPECT_EQ(ReadRecord(), "https://example.org/caf\xc3\xa9 x;y?q=\xe4\xb8\xad\xf0\x9f\x98\x80\n");
}

TEST_F(BrowserTest, FailsWhenTheLauncherCannotStart)
{
    EXPECT_FALSE(DesktopServices::OpenWebBrowser(L"https://example.org/"));
}

} // namespace
