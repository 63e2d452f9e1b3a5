// Writing trees back as XML and changing them.
#include "contrib/ezxml/ezxml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string ToXml(ezxml_t xml)
{
    char* text = ezxml_toxml(xml);
    std::string const result = text;
    std::free(text);
    return result;
}

TEST(EzxmlWrite, ParsedDocumentWritesBackEscaped)
{
    std::string source = "<?first one?><!DOCTYPE r [<!ATTLIST r d CDATA 'dv' o CDATA 'ov'>]>"
                         "<r a='x&quot;&lt;&#9;&#10;' a='dup' o='own'>one&amp;<c/>two&#13;<e>&gt;</e>three</r>"
                         "<?last two?>";
    char* buffer = static_cast<char*>(std::malloc(source.size()));
    std::memcpy(buffer, source.data(), source.size());
    ezxml_t root = ezxml_parse_str(buffer, source.size());
    ASSERT_STREQ(ezxml_error(root), "");
    EXPECT_EQ(ToXml(root), "<?first one?>\n"
                           "<r a=\"x&quot;&lt;&#x9;&#xA;\" o=\"own\" d=\"dv\">one&amp;<c></c>two&#xD;<e>&gt;</e>three</r>"
                           "\n<?last two?>");
    EXPECT_EQ(ToXml(ezxml_child(root, "e")), "<?first one?>\n<e>&gt;</e>\n<?last two?>");
    EXPECT_EQ(ToXml(nullptr), "");
    ezxml_free(root);
    std::free(buffer);
}

TEST(EzxmlWrite, EditingKeepsChainsInDocumentOrder)
{
    ezxml_t root = ezxml_new("root");
    ezxml_set_txt(root, "abcdef");
    ezxml_t late = ezxml_add_child(root, "x", 4);
    ezxml_t early = ezxml_add_child(root, "y", 1);
    ezxml_t middle = ezxml_add_child(root, "x", 2);
    ezxml_set_flag(middle, EZXML_DUP);
    std::string name = "k", value = "v&";
    ezxml_set_attr(middle, name.c_str(), value.c_str());
    name = "changed";
    value = "changed";
    ezxml_set_attr(early, "gone", "1");
    ezxml_set_attr(early, "kept", "2");
    ezxml_set_attr(early, "gone", nullptr);

    EXPECT_EQ(ToXml(root), "<root>a<y kept=\"2\"></y>b<x k=\"v&amp;\"></x>cd<x></x>ef</root>");
    EXPECT_EQ(root->child, early);
    EXPECT_EQ(ezxml_child(root, "x"), middle);
    EXPECT_EQ(middle->next, late);
    EXPECT_EQ(early->sibling, middle);

    ezxml_cut(early);
    EXPECT_EQ(root->child, middle);
    EXPECT_EQ(ezxml_child(root, "y"), nullptr);
    ezxml_insert(early, root, 6);
    EXPECT_EQ(ToXml(root), "<root>ab<x k=\"v&amp;\"></x>cd<x></x>ef<y kept=\"2\"></y></root>");
    ezxml_cut(middle);
    EXPECT_EQ(ezxml_child(root, "x"), late);
    ezxml_free(middle);
    ezxml_set_txt(root, "");
    EXPECT_EQ(ToXml(root), "<root><x></x><y kept=\"2\"></y></root>");
    ezxml_free(root);
}

} // namespace
