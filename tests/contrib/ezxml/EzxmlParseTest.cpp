// The XML parser: documents, decoding, the internal DTD and its error texts.
#include "contrib/ezxml/ezxml.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// Parses a copy of the text in a buffer of exactly its size, so that any
// read or write past the end shows under the sanitizer.
class Doc {
public:
    explicit Doc(std::string const& s) : text(new char[s.empty() ? 1 : s.size()])
    {
        std::memcpy(text.get(), s.data(), s.size());
        tree = ezxml_parse_str(text.get(), s.size());
    }
    ~Doc() { ezxml_free(tree); }
    Doc(Doc const&) = delete;
    Doc& operator=(Doc const&) = delete;

    std::string Error() const { return ezxml_error(tree); }
    ezxml_t Root() const { return tree; }

private:
    std::unique_ptr<char[]> text;
    ezxml_t tree;
};

std::string Content(std::string const& document)
{
    Doc doc(document);
    EXPECT_EQ(doc.Error(), "") << document;
    return doc.Root()->txt;
}

TEST(EzxmlParse, AttributesInBothQuotesAndEmptyContent)
{
    Doc doc("<a one='1' two=\"2\"/>");
    ASSERT_EQ(doc.Error(), "");
    EXPECT_STREQ(doc.Root()->name, "a");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "one"), "1");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "two"), "2");
    EXPECT_EQ(ezxml_attr(doc.Root(), "three"), nullptr);
    EXPECT_STREQ(doc.Root()->txt, "");
}

TEST(EzxmlParse, MixedContentJoinsTextAndPlacesChildren)
{
    Doc doc("<a>first<b/>second<c>inner</c>third</a>");
    ASSERT_EQ(doc.Error(), "");
    EXPECT_STREQ(doc.Root()->txt, "firstsecondthird");
    ezxml_t b = ezxml_child(doc.Root(), "b");
    ezxml_t c = ezxml_child(doc.Root(), "c");
    ASSERT_TRUE(b && c);
    EXPECT_EQ(b->off, 5u);
    EXPECT_EQ(c->off, 11u);
    EXPECT_STREQ(c->txt, "inner");
    EXPECT_EQ(b->ordered, c);
    EXPECT_EQ(b->parent, doc.Root());
}

TEST(EzxmlParse, TextDecoding)
{
    struct Case {
        char const* document;
        char const* content;
    };
    Case const cases[] = {
        {"<a>&amp;lt;</a>", "&lt;"},                // one level only
        {"<a>&lt;&gt;&quot;&apos;&amp;</a>", "<>\"'&"},
        {"<a>&#x41;&#66;</a>", "AB"},
        {"<a>&#0;</a>", "&#0;"},                    // character 0 stays
        {"<a>&#65</a>", "&#65"},                    // no ';'
        {"<a>&#X41;</a>", "&#X41;"},                // only a lower-case x
        {"<a>&#233;&#x20AC;&#x1F600;</a>", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"<a>&#x10FFFF;</a>", "\xF4\x8F\xBF\xBF"},
        {"<a>&#x110000;</a>", "&#x110000;"},        // above the last code point
        {"<a>&#xD800;&#57343;</a>", "&#xD800;&#57343;"}, // surrogates
        {"<a>&#99999999999999999999999;</a>", "&#99999999999999999999999;"},
        {"<a>&unknown; & &amp</a>", "&unknown; & &amp"},
        {"<a>x\r\ny\rz</a>", "x\ny\nz"},
        {"<a><![CDATA[<&amp;>\r\n]]></a>", "<&amp;>\n"},
        {"<a>x<!-- <b/> -->y<?pi text?>z</a>", "xyz"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Content(c.document), c.content) << c.document;
}

TEST(EzxmlParse, LastByteMayBeTheClosingBracket)
{
    for (char const* document : {"<a></a>", "<a/>", "<a>x</a >", "<a><!--c--></a>", "<a><?p?></a>"}) {
        Doc doc(document);
        EXPECT_EQ(doc.Error(), "") << document;
    }
    Doc open("<a>");
    EXPECT_EQ(open.Error(), "[error near line 1]: unclosed tag <a>");
}

TEST(EzxmlParse, AttributeValuesNormaliseByDeclaredType)
{
    Doc doc("<!DOCTYPE a [\n"
            "<!ATTLIST a tokens NMTOKENS #IMPLIED\n"
            "            choice (x|y) 'y'\n"
            "            text CDATA \"de&amp;f\"\n"
            "            fixed CDATA #FIXED 'f'\n"
            "            none CDATA #IMPLIED>\n"
            "]>\n"
            "<a tokens='  x \t  y  ' plain=' p\tq\nr ' bare/>");
    ASSERT_EQ(doc.Error(), "");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "tokens"), "x y");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "plain"), " p q r ");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "bare"), "");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "choice"), "y");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "text"), "de&f");
    EXPECT_STREQ(ezxml_attr(doc.Root(), "fixed"), "f");
    EXPECT_EQ(ezxml_attr(doc.Root(), "none"), nullptr);
}

TEST(EzxmlParse, EntitiesOfTheInternalSubset)
{
    EXPECT_EQ(Content("<!DOCTYPE a [<!ENTITY who 'world'><!ENTITY hi \"hello &who;\">]><a>&hi;!</a>"),
              "hello world!");
    EXPECT_EQ(Content("<!DOCTYPE a [<!ENTITY % p 'pv'><!ENTITY e 'x%p;y'>]><a>&e;</a>"), "xpvy");
    EXPECT_EQ(Content("<!DOCTYPE a [<!ENTITY e 'a&#60;b'>]><a>&e;</a>"), "a<b");
    EXPECT_EQ(Content("<!DOCTYPE a [<!ENTITY ext SYSTEM 'x.xml'><!ENTITY e 'v'>]><a>&ext;&e;</a>"), "&ext;v");
    // A parameter-entity reference ends the subset unless the document is standalone.
    EXPECT_EQ(Content("<!DOCTYPE a [%p; <!ENTITY e 'v'>]><a>&e;</a>"), "&e;");
    EXPECT_EQ(Content("<?xml version='1.0' standalone = 'yes'?><!DOCTYPE a [%p; <!ENTITY e 'v'>]><a>&e;</a>"),
              "v");
}

TEST(EzxmlParse, ErrorTexts)
{
    struct Case {
        std::string document;
        char const* error;
    };
    Case const cases[] = {
        {"", "[error near line 1]: root tag missing"},
        {"just text", "[error near line 1]: root tag missing"},
        {"<?xml version='1.0'?>\n", "[error near line 1]: root tag missing"},
        {"<a/>\n<b/>", "[error near line 2]: markup outside of root element"},
        {"<a x='1/>", "[error near line 1]: missing '"},
        {"<a x=\"1/>", "[error near line 1]: missing \""},
        {"<a/ x>", "[error near line 1]: missing >"},
        {"<a></a x", "[error near line 1]: missing >"},
        {"<a>\n\n</b>", "[error near line 3]: unexpected closing tag </b>"},
        {"<a/></a>", "[error near line 1]: unexpected closing tag </a>"},
        {"<a><!-- x -- y --></a>", "[error near line 1]: unclosed <!--"},
        {"<a><!-- x </a>", "[error near line 1]: unclosed <!--"},
        {"<a><![CDATA[ x </a>", "[error near line 1]: unclosed <![CDATA["},
        {"<!DOCTYPE a [ <!ENTITY x 'y'> <a/>", "[error near line 1]: unclosed <!DOCTYPE"},
        {"<!DOCTYPE a", "[error near line 1]: unclosed <!DOCTYPE"},
        {"<a><? x </a>", "[error near line 1]: unclosed <?"},
        {"<a>< b</a>", "[error near line 1]: unexpected <"},
        {"<a>\n<b>\n</b>\n\n", "[error near line 4]: unclosed tag <a>"},
        {"<!DOCTYPE a [<!ENTITY x '&x;'>]><a/>", "[error near line 1]: circular entity declaration &x"},
        {"<!DOCTYPE a [\n<!ENTITY x '&y;'>\n<!ENTITY y 'a&x;'>]><a/>",
         "[error near line 3]: circular entity declaration &y"},
        {"<!DOCTYPE a [<!ENTITY % p '%p;'>]><a/>", "[error near line 1]: circular entity declaration &p"},
        {"<!DOCTYPE a [<!ATTLIST a b CDATA>]><a/>", "[error near line 1]: malformed <!ATTLIST"},
        {"<!DOCTYPE a [<!ATTLIST a b (x|y 'x'>]><a/>", "[error near line 1]: malformed <!ATTLIST"},
        {"<!DOCTYPE a [<!ATTLIST a b CDATA 'x']><a/>", "[error near line 1]: unclosed <!ATTLIST"},
        {"<!DOCTYPE a [<!ATTLIST ]><a/>", "[error near line 1]: unclosed <!ATTLIST"},
        {"<a>" + std::string(300, 'n') + "</b>",
         "[error near line 1]: unexpected closing tag </b>"},
    };
    for (Case const& c : cases) {
        Doc doc(c.document);
        EXPECT_EQ(doc.Error(), c.error) << c.document;
    }
    Doc longName("<" + std::string(300, 'n') + ">");
    EXPECT_EQ(longName.Error().size(), 127u);
    EXPECT_EQ(longName.Error().rfind("[error near line 1]: unclosed tag <nnn", 0), 0u);
}

TEST(EzxmlParse, ProcessingInstructionsAndLookups)
{
    Doc doc("<?app one?><?app?><r><i>0</i><j/><i>1</i><i><k>deep</k></i></r><?app two?>");
    ASSERT_EQ(doc.Error(), "");
    char const** app = ezxml_pi(doc.Root(), "app");
    ASSERT_TRUE(app[0] && app[1] && app[2]);
    EXPECT_STREQ(app[0], "one");
    EXPECT_STREQ(app[1], "");
    EXPECT_STREQ(app[2], "two");
    EXPECT_EQ(app[3], nullptr);
    EXPECT_EQ(ezxml_pi(doc.Root(), "none")[0], nullptr);

    EXPECT_STREQ(ezxml_idx(ezxml_child(doc.Root(), "i"), 1)->txt, "1");
    EXPECT_EQ(ezxml_idx(ezxml_child(doc.Root(), "i"), 3), nullptr);
    EXPECT_STREQ(ezxml_get(doc.Root(), "i", 2, "k", 0, "")->txt, "deep");
    EXPECT_STREQ(ezxml_get(doc.Root(), "i", -1, "k", 0, "")->txt, "0");
    EXPECT_EQ(ezxml_get(doc.Root(), "i", 5, "k", 0, nullptr), nullptr);
    EXPECT_EQ(ezxml_child(nullptr, "i"), nullptr);
    EXPECT_STREQ(ezxml_error(nullptr), "");
}

// UTF-8 text as UTF-16 with a byte-order mark, by our own small encoder.
std::string ToUtf16(std::u32string const& text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto unit = [&](char32_t u) {
        char const hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (char32_t c : text) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

TEST(EzxmlParse, Utf16ParsesLikeUtf8)
{
    std::u32string const text = U"<caf\u00E9 name='\u20AC'>x\U0001F600y</caf\u00E9>";
    for (bool bigEndian : {false, true}) {
        Doc doc(ToUtf16(text, bigEndian));
        ASSERT_EQ(doc.Error(), "") << bigEndian;
        EXPECT_STREQ(doc.Root()->name, "caf\xC3\xA9");
        EXPECT_STREQ(ezxml_attr(doc.Root(), "name"), "\xE2\x82\xAC");
        EXPECT_STREQ(doc.Root()->txt, "x\xF0\x9F\x98\x80y");
    }
    Doc bomOnly("\xFF\xFE");
    EXPECT_EQ(bomOnly.Error(), "[error near line 1]: root tag missing");
    Doc cutPair(ToUtf16(U"<a/>", false) + "\x3D\xD8");
    EXPECT_EQ(cutPair.Error(), "");
}

TEST(EzxmlParse, HundredThousandSiblingsParseAndFree)
{
    constexpr int kCount = 100000;
    std::string document = "<list>";
    for (int i = 0; i < kCount; ++i)
        document += i % 3 == 2 ? "<other/>\n" : "<item/>\n";
    document += "</list>";
    Doc doc(document);
    ASSERT_EQ(doc.Error(), "");
    int items = 0, all = 0;
    for (ezxml_t i = ezxml_child(doc.Root(), "item"); i; i = i->next)
        ++items;
    for (ezxml_t i = doc.Root()->child; i; i = i->ordered)
        ++all;
    EXPECT_EQ(items, kCount - kCount / 3);
    EXPECT_EQ(all, kCount);
    EXPECT_EQ(std::strlen(doc.Root()->txt), static_cast<size_t>(kCount));
}

TEST(EzxmlParse, DeepNestingParsesWritesAndFrees)
{
    // As deep as the parser takes.
    constexpr int kDepth = 256;
    std::string document;
    for (int i = 0; i < kDepth; ++i)
        document += "<n>";
    for (int i = 0; i < kDepth; ++i)
        document += "</n>";
    Doc doc(document);
    ASSERT_EQ(doc.Error(), "");
    char* xml = ezxml_toxml(doc.Root());
    EXPECT_EQ(xml, document);
    free(xml);
}

TEST(EzxmlParse, NestedEntitiesAreCappedNotExpandedWithoutEnd)
{
    std::string document = "<!DOCTYPE a [<!ENTITY l0 'laugh'>";
    for (int i = 1; i <= 10; ++i) {
        document += "<!ENTITY l" + std::to_string(i) + " '";
        for (int j = 0; j < 10; ++j)
            document += "&l" + std::to_string(i - 1) + ";";
        document += "'>";
    }
    document += "]><a t='&l10;'>&l10;&l10;</a>";
    Doc doc(document);
    ASSERT_EQ(doc.Error(), "");
    size_t const produced = std::strlen(doc.Root()->txt) + std::strlen(ezxml_attr(doc.Root(), "t"));
    EXPECT_GT(produced, 1000000u);
    EXPECT_LT(produced, 20000000u);
}

TEST(EzxmlParse, EveryTruncationFailsCleanly)
{
    std::string const document =
        "<?xml version=\"1.0\" standalone='yes'?>\r\n"
        "<!DOCTYPE r [\n"
        "  <!ENTITY e \"e&#x41;&amp;\">\n"
        "  <!ENTITY % p 'q'>\n"
        "  <!ATTLIST r kind (a|b) 'a' note CDATA #IMPLIED>\n"
        "  <!-- comment --> <?dtd pi?> <!ELEMENT r ANY>\n"
        "]>\n"
        "<r kind=' b ' note=\"&e;&#233;\">text&e;<c a='1' b=\"2\"/><![CDATA[x]]y]]>"
        "<!-- c --><?p i?><d>&#x1F600;&lt;</d></r>\n<?after?>";
    {
        Doc whole(document);
        ASSERT_EQ(whole.Error(), "");
    }
    // Every cut before the root's end tag is complete fails; the later ones
    // only drop trailing markup, as the last byte is never read.
    size_t const rootClosed = document.find("</r>") + 3;
    for (size_t n = 0; n < document.size(); ++n) {
        Doc doc(document.substr(0, n));
        if (n < rootClosed) {
            EXPECT_NE(doc.Error(), "") << n;
        }
    }
    Doc garbage(std::string("<a \0 b='\0'>\0</a>", 17));
    EXPECT_NE(garbage.Error(), "");
}

} // namespace

TEST(EzxmlParse, NestingIsBoundedAndADeeperDocumentIsRefusedAtOnce)
{
    auto nested = [](int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i)
            text += "<a>";
        for (int i = 0; i < levels; ++i)
            text += "</a>";
        return text;
    };
    Doc deepest(nested(256));
    EXPECT_EQ(deepest.Error(), "");
    Doc deeper(nested(257));
    EXPECT_EQ(deeper.Error(), "[error near line 1]: elements nested deeper than 256 levels");
    // Forty thousand levels are turned away as quickly as the 257th.
    Doc far(nested(40000));
    EXPECT_EQ(far.Error(), "[error near line 1]: elements nested deeper than 256 levels");
}
