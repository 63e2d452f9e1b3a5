// Documents and cursors: walking children and converting their text.
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"

#include "tests/support/TempFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using Norv::NarrowString;
using Norv::SmartPtr;
using Norv::WideString;
using Norv::Xml;
using Norv::XmlIt;

SmartPtr<Xml> Parse(char const* text)
{
    return SmartPtr<Xml>(Xml::Create(NarrowString(text)));
}

TEST(Xml, CreateFromText)
{
    SmartPtr<Xml> empty = Parse("");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->GetTree(), nullptr);
    XmlIt const none(empty->GetTree(), "x");
    EXPECT_FALSE(none);
    EXPECT_EQ(none.GetContent(), nullptr);
    int i = 7;
    EXPECT_FALSE(none.GetAttribute("a", i));
    EXPECT_EQ(i, 7);

    EXPECT_FALSE(Parse("<root><open></root>"));
    EXPECT_FALSE(Parse("<root>"));
    SmartPtr<Xml> document = Parse("<root/>");
    ASSERT_TRUE(document);
    EXPECT_STREQ(XmlIt(document->GetTree()).GetName(), "root");

    // The buffer form needs no terminator: its last byte is used up.
    char* buffer = new char[4]{'<', 'a', '/', '>'};
    SmartPtr<Xml> owned(Xml::Create(buffer, 4));
    EXPECT_TRUE(owned);
    EXPECT_FALSE(SmartPtr<Xml>(Xml::Create(new char[1], 0)));
}

TEST(Xml, CursorsVisitChildrenByNameOrAll)
{
    SmartPtr<Xml> document = Parse("<r><a n='1'/><b/><a n='2'/>text<c/><a n='3'/></r>");
    ASSERT_TRUE(document);
    XmlIt const root(document->GetTree());

    std::vector<int> named;
    for (XmlIt a(root, "a"); a; ++a) {
        int n = 0;
        EXPECT_TRUE(a.GetAttribute("n", n));
        named.push_back(n);
    }
    EXPECT_EQ(named, (std::vector<int>{1, 2, 3}));

    std::vector<NarrowString> all;
    for (XmlIt child(root, nullptr); child; ++child)
        all.push_back(child.GetName());
    EXPECT_EQ(all, (std::vector<NarrowString>{"a", "b", "a", "c", "a"}));
    EXPECT_FALSE(XmlIt(root, "missing"));
    EXPECT_FALSE(XmlIt(XmlIt(), "a"));
}

TEST(Xml, AttributeGetters)
{
    SmartPtr<Xml> document = Parse("<e empty='' yes='yes' one='1' no='no' True='True' oct='010' hex='0x10' "
                                   "neg=' -3' word='abc' big='99999999999' f='-1.25' nf='x' us='70000' "
                                   "s='-32768' wide='caf&#233;'/>");
    ASSERT_TRUE(document);
    XmlIt const e(document->GetTree());

    EXPECT_FALSE(e.HasAttribute("empty", false));
    EXPECT_TRUE(e.HasAttribute("empty", true));
    EXPECT_FALSE(e.HasAttribute("missing", true));

    struct BoolCase {
        char const* name;
        bool ok;
        bool value;
    };
    for (BoolCase const& c : {BoolCase{"yes", true, true}, BoolCase{"one", true, true}, BoolCase{"no", true, false},
                              BoolCase{"True", false, false}, BoolCase{"missing", false, false}}) {
        bool b = !c.value;
        EXPECT_EQ(e.GetAttribute(c.name, b), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(b, c.value) << c.name;
        }
    }

    struct IntCase {
        char const* name;
        bool ok;
        int value;
    };
    for (IntCase const& c : {IntCase{"oct", true, 8}, IntCase{"hex", true, 16}, IntCase{"neg", true, -3},
                             IntCase{"word", false, 0}, IntCase{"big", false, 0}, IntCase{"empty", false, 0}}) {
        int i = 42;
        EXPECT_EQ(e.GetAttribute(c.name, i), c.ok) << c.name;
        EXPECT_EQ(i, c.ok ? c.value : 42) << c.name;
    }
    unsigned short us = 1;
    EXPECT_FALSE(e.GetAttribute("us", us));
    unsigned int u = 1;
    EXPECT_TRUE(e.GetAttribute("us", u));
    EXPECT_EQ(u, 70000u);
    EXPECT_FALSE(e.GetAttribute("neg", u));
    short s = 0;
    EXPECT_TRUE(e.GetAttribute("s", s));
    EXPECT_EQ(s, -32768);

    float f = 0;
    EXPECT_TRUE(e.GetAttribute("f", f));
    EXPECT_FLOAT_EQ(f, -1.25f);
    EXPECT_TRUE(e.GetAttribute("nf", f)); // no number reads as 0
    EXPECT_EQ(f, 0.0f);

    WideString wide;
    EXPECT_TRUE(e.GetAttribute("wide", wide));
    EXPECT_EQ(wide, WideString(L"caf\u00E9"));
}

TEST(Xml, ContentGetters)
{
    SmartPtr<Xml> document = Parse("<r><t>true</t><y>yes</y><ts> true</ts><f1>-0.25</f1><f2>0.090000</f2>"
                                   "<f3>3.5e2</f3><f4>  12.</f4><nf>.5</nf><v> 1.5 , -2,3e1 </v><bad>1,2</bad>"
                                   "<i>0x1F</i><empty/><long>1.000000000000000000000000000001</long></r>");
    ASSERT_TRUE(document);
    XmlIt const root(document->GetTree());
    auto child = [&](char const* name) { return XmlIt(root, name); };

    bool b = false;
    EXPECT_TRUE(child("t").GetContent(b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(child("y").GetContent(b));
    EXPECT_FALSE(child("ts").GetContent(b));

    struct FloatCase {
        char const* name;
        bool ok;
        float value;
    };
    for (FloatCase const& c : {FloatCase{"f1", true, -0.25f}, FloatCase{"f2", true, 0.09f}, FloatCase{"f3", true, 3.5f},
                               FloatCase{"f4", true, 12.0f}, FloatCase{"long", true, 1.0f}, FloatCase{"nf", false, 0},
                               FloatCase{"empty", false, 0}}) {
        float f = 99.0f;
        EXPECT_EQ(child(c.name).GetContent(f), c.ok) << c.name;
        EXPECT_FLOAT_EQ(f, c.ok ? c.value : 99.0f) << c.name;
    }

    float x, y, z;
    EXPECT_TRUE(child("v").GetContent(x, y, z));
    EXPECT_FLOAT_EQ(x, 1.5f);
    EXPECT_FLOAT_EQ(y, -2.0f);
    EXPECT_FLOAT_EQ(z, 30.0f);
    EXPECT_FALSE(child("bad").GetContent(x, y, z));

    int i = 0;
    EXPECT_TRUE(child("i").GetContent(i));
    EXPECT_EQ(i, 31);
    NarrowString text = "old";
    EXPECT_TRUE(child("empty").GetContent(text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(child("ts").GetContent(text));
    EXPECT_EQ(text, " true");
}

// A stream that delivers fewer bytes than its length promises, as a file
// cut short while it is read would.
class ShortStream : public Norv::SeekableStream {
public:
    explicit ShortStream(std::string text) : text(std::move(text)) {}
    int Read(void* buffer, int bytes) override
    {
        int const n = std::min(bytes, static_cast<int>(text.size()));
        std::memcpy(buffer, text.data(), static_cast<size_t>(n));
        return n;
    }
    int Write(void const*, int) override { return 0; }
    bool Seek(int, SeekMode) override { return false; }
    int Tell() override { return 0; }
    int GetLength() override { return static_cast<int>(text.size()) + 4096; }

private:
    std::string text;
};

TEST(Xml, LoadFromFileParsesTheBytesRead)
{
    TempFolder folder;
    folder.Write("doc.xml", "<doc><item/></doc>");
    folder.Write("empty.xml", "");
    Norv::Vfs::Initialize();
    Norv::MountNative((folder.path + "/").c_str(), "", 0);

    SmartPtr<Xml> document(Xml::LoadFromFile("doc.xml"));
    ASSERT_TRUE(document);
    EXPECT_TRUE(XmlIt(document->GetTree(), "item"));
    EXPECT_FALSE(SmartPtr<Xml>(Xml::LoadFromFile("empty.xml")));
    EXPECT_FALSE(SmartPtr<Xml>(Xml::LoadFromFile("missing.xml")));
    Norv::Vfs::Shutdown();

    ShortStream stream("<short/>");
    SmartPtr<Xml> shortDocument(Xml::LoadFromFile(&stream));
    ASSERT_TRUE(shortDocument);
    EXPECT_STREQ(XmlIt(shortDocument->GetTree()).GetName(), "short");
}

} // namespace
