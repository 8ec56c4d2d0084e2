#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

std::string Value(CXmlElem elem, const char* name)
{
    char buffer[CXmlElem::kValueBufferSize] = {};
    return elem.GetAttributeValue(name, buffer) ? std::string(buffer) : std::string("<absent>");
}

std::string AttrOf(const std::string& value, bool preserve = true)
{
    CXmlDoc doc;
    doc.SetPreserveWhitespace(preserve);
    const std::string text = "<a v=\"" + value + "\"/>";
    if (!doc.Load(text.c_str())) return std::string("<error> ") + doc.GetLastErrorMessage();
    return Value(doc.GetRoot(), "v");
}

}  // namespace

TEST(XmlAttribute, NamesValuesAndSpacing) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a  x = \"1\"\ty=\"two\"\n z=\"\" >body</a>"));
    CXmlElem a = doc.GetRoot();
    ASSERT_EQ(3, a.GetAttributeCount());
    EXPECT_TRUE(a.HasAttributes());
    EXPECT_STREQ("x", a.GetAttributeName(0));
    EXPECT_STREQ("1", a.GetAttributeValue(0));
    EXPECT_STREQ("y", a.GetAttributeName(1));
    EXPECT_STREQ("two", a.GetAttributeValue(1));
    EXPECT_STREQ("z", a.GetAttributeName(2));
    EXPECT_STREQ("", a.GetAttributeValue(2));
    EXPECT_STREQ("", a.GetAttributeName(3));
    EXPECT_STREQ("", a.GetAttributeValue(-1));
    EXPECT_EQ("<absent>", Value(a, "X"));
    EXPECT_EQ("<absent>", Value(a, "w"));
}

TEST(XmlAttribute, FirstOfDuplicateNamesWins) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a k=\"first\" k=\"second\"/>"));
    EXPECT_EQ(2, doc.GetRoot().GetAttributeCount());
    EXPECT_EQ("first", Value(doc.GetRoot(), "k"));
}

TEST(XmlAttribute, CharacterDataIsNeverTakenForAttributes) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<r><a x=\"1\" >\"q\" z=\"w\"</a><b>\"v\"</b><c>\"open</c></r>"));
    CXmlElem a = doc.GetRoot().GetChild();
    EXPECT_EQ(1, a.GetAttributeCount());
    EXPECT_EQ("<absent>", Value(a, "z"));
    EXPECT_EQ(0, a.GetSibling().GetAttributeCount());
    EXPECT_EQ(0, a.GetSibling().GetSibling().GetAttributeCount());
}

TEST(XmlAttribute, The65thAttributeIsNotVisible) {
    std::string text = "<a";
    for (int i = 0; i < 65; ++i) text += " a" + std::to_string(i) + "=\"v" + std::to_string(i) + "\"";
    text += "/>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load(text.c_str()));
    CXmlElem a = doc.GetRoot();
    EXPECT_EQ(64, a.GetAttributeCount());
    EXPECT_STREQ("a63", a.GetAttributeName(63));
    EXPECT_EQ("v63", Value(a, "a63"));
    EXPECT_EQ("<absent>", Value(a, "a64"));
    EXPECT_STREQ("", a.GetAttributeName(64));
}

TEST(XmlAttribute, ValueCopyIsCappedAt499Bytes) {
    for (const size_t length : {498u, 499u, 500u, 600u}) {
        const std::string value(length, 'q');
        CXmlDoc doc;
        ASSERT_TRUE(doc.Load(("<a v=\"" + value + "\"/>").c_str()));
        char buffer[CXmlElem::kValueBufferSize + 8];
        std::memset(buffer, '#', sizeof(buffer));
        ASSERT_TRUE(doc.GetRoot().GetAttributeValue("v", buffer));
        const size_t kept = length < 499 ? length : 499;
        EXPECT_EQ(value.substr(0, kept), std::string(buffer)) << length;
        EXPECT_EQ('#', buffer[kept + 1]) << length;
        EXPECT_EQ(length, std::strlen(doc.GetRoot().GetAttributeValue(0))) << length;
    }
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a v=\"abcdef\"/>"));
    char small[4] = {'#', '#', '#', '#'};
    ASSERT_TRUE(doc.GetRoot().GetAttributeValue("v", small, sizeof(small)));
    EXPECT_STREQ("abc", small);
}

TEST(XmlAttribute, Entities) {
    EXPECT_EQ("&<>\"'", AttrOf("&amp;&lt;&gt;&quot;&apos;"));
    EXPECT_EQ("&&&", AttrOf("&amp;&amp;&amp;"));
    EXPECT_EQ("<<x>>", AttrOf("&lt;&lt;x&gt;&gt;"));
    EXPECT_EQ("&nbsp;", AttrOf("&nbsp;"));
    EXPECT_EQ("a&b", AttrOf("a&b"));
    EXPECT_EQ("&", AttrOf("&"));
    EXPECT_EQ("&amp", AttrOf("&amp"));
    EXPECT_EQ("&&", AttrOf("&&amp;"));
    EXPECT_EQ("&AMP;", AttrOf("&AMP;"));
}

TEST(XmlAttribute, DecodedValueLeavesFollowingAttributesIntact) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a x=\"&lt;&quot;\" y=\"2\"z=\"&amp;\"/>"));
    CXmlElem a = doc.GetRoot();
    ASSERT_EQ(3, a.GetAttributeCount());
    EXPECT_EQ("<\"", Value(a, "x"));
    EXPECT_EQ("2", Value(a, "y"));
    EXPECT_EQ("&", Value(a, "z"));
}

TEST(XmlAttribute, WhitespaceIsKeptOrCollapsed) {
    EXPECT_EQ("a   b \t c", AttrOf("a   b \t c"));
    EXPECT_EQ("a b c", AttrOf("a   b \t\r\n c", false));
    EXPECT_EQ("a\t b", AttrOf("a\t  b", false));
    EXPECT_EQ(" x ", AttrOf("   x   ", false));
}

TEST(XmlAttribute, EmptyNameIsAccepted) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a =\"v\"/>"));
    EXPECT_EQ(1, doc.GetRoot().GetAttributeCount());
    EXPECT_STREQ("", doc.GetRoot().GetAttributeName(0));
    EXPECT_STREQ("v", doc.GetRoot().GetAttributeValue(0));
}

TEST(XmlAttribute, HandlesCopyWithTheirCache) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a x=\"1\"><b y=\"2\"/></a>"));
    CXmlElem a = doc.GetRoot();
    ASSERT_EQ(1, a.GetAttributeCount());
    CXmlElem copy = a;
    EXPECT_EQ("1", Value(copy, "x"));
    EXPECT_EQ("2", Value(copy.GetChild(), "y"));
}
