// The system language code as the key of the game's language map.
#include "qrvl/original/framework/FGApp.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageKeyTest, EnglishSplitsByCountryAndOtherLanguagesKeepTheirCode)
{
    struct Case {
        char const* code;
        char const* key;
    };
    Case const cases[] = {
        {"en-GB", "en"}, {"en-US", "en_am"}, {"en", "en_am"}, {"en-GBx", "en_am"},
        {"fr-FR", "fr"}, {"de", "de"},       {"pt-BR", "pt"}, {"", ""},
    };
    for (Case const& c : cases)
        EXPECT_EQ(FGApp::LanguageKeyForCode(c.code), c.key) << c.code;
}

} // namespace
