// Splitting URIs into their parts, encoding them and putting them together.
#include "norv/network/Uri.h"

#include <gtest/gtest.h>

namespace {

using Norv::NarrowString;
using Norv::Uri;

TEST(Uri, ParseSplitsTheSevenParts)
{
    struct Case {
        char const* text;
        char const* parts[7];  // scheme, user, host, port, path, query, fragment
    };
    Case const cases[] = {
        {"http://user:pw@example.org:8080/a/b?x=1&y=2#top",
            {"http", "user:pw", "example.org", "8080", "/a/b", "x=1&y=2", "top"}},
        {"http://localhost", {"http", "", "localhost", "", "", "", ""}},
        {"ftp://host/p@q", {"ftp", "", "host", "", "/p@q", "", ""}},
        {"x://h?q/r#f?g", {"x", "", "h", "", "", "q/r", "f?g"}},
        {"s://:9/", {"s", "", "", "9", "/", "", ""}},
    };
    for (Case const& c : cases) {
        Uri uri;
        ASSERT_TRUE(uri.Parse(c.text)) << c.text;
        NarrowString const parts[] = {uri.scheme, uri.user, uri.host, uri.port, uri.path, uri.query, uri.fragment};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(parts[i], c.parts[i]) << c.text << " part " << i;
    }
}

TEST(Uri, TextsWithoutSchemeOrAuthorityClearEverything)
{
    for (char const* text : {"mailto:someone@example.org", "no colon at all", "http:/single", "http:", ""}) {
        Uri uri;
        uri.Parse("http://old@host:1/p?q#f");
        EXPECT_FALSE(uri.Parse(text)) << text;
        EXPECT_EQ(static_cast<NarrowString>(uri), ":") << text;
        EXPECT_TRUE(uri.host.empty() && uri.scheme.empty() && uri.path.empty() && uri.fragment.empty()) << text;
    }
}

TEST(Uri, AuthorityAndRequest)
{
    Uri uri;
    uri.Parse("http://user@host:81/index.html?a=b/c:d#x y");
    EXPECT_EQ(uri.GetAuthority(), "user@host:81");
    EXPECT_EQ(uri.GetRequest(), "/index.html?a=b/c:d#x%20y");
    uri.host.clear();
    EXPECT_EQ(uri.GetAuthority(), "");
}

TEST(Uri, QueryVariablesAreEncoded)
{
    Uri uri;
    uri.Parse("http://host/search");
    uri.AddQueryVar("q", "a b~");
    uri.AddQueryVar("rate", "50%&more=1");
    EXPECT_EQ(uri.query, "q=a%20b~&rate=50%25%26more%3d1");
    EXPECT_EQ(static_cast<NarrowString>(uri), "http://host/search?q=a%20b~&rate=50%25%26more%3d1");
    uri.AddQueryVar("\xc3\xa9t\xc3\xa9", "");
    EXPECT_EQ(uri.query.substr(uri.query.rfind('&')), "&%c3%a9t%c3%a9=");
}

TEST(Uri, SerialisationRoundTrips)
{
    for (char const* text : {
             "http://example.org",
             "http://user@example.org:8080/a/b?x=1&y=a%20b#frag%20ment",
             "https://h/p?k=v#",
             "ftp://name:secret@h/file.txt",
         }) {
        Uri uri;
        ASSERT_TRUE(uri.Parse(text));
        NarrowString const again = uri;
        // An empty fragment is not written.
        EXPECT_EQ(again, NarrowString(text) == "https://h/p?k=v#" ? "https://h/p?k=v" : text);
        Uri reparsed;
        ASSERT_TRUE(reparsed.Parse(again));
        EXPECT_EQ(static_cast<NarrowString>(reparsed), again);
        EXPECT_EQ(reparsed.user, uri.user);
        EXPECT_EQ(reparsed.fragment, uri.fragment);
    }
    // Parts set by hand are encoded on the way out.
    Uri built;
    built.scheme = "http";
    built.host = "h";
    built.path = "/p";
    built.query = "a=1 2";
    built.fragment = "f g";
    EXPECT_EQ(static_cast<NarrowString>(built), "http://h/p?a=1%202#f%20g");
}

} // namespace
