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

// Every attribute of the element as name=value pairs.
std::string Attributes(CXmlElem elem)
{
    std::string out;
    for (int i = 0; i < elem.GetAttributeCount(); ++i) {
        out += std::string(elem.GetAttributeName(i)) + "=" + elem.GetAttributeValue(i) + ";";
    }
    return out;
}

std::string AttrOf(const std::string& value, bool preserve = true)
{
    CXmlDoc doc;
    doc.SetPreserveWhitespace(preserve);
    if (!doc.Load(("<a v=\"" + value + "\"/>").c_str())) return std::string("<error> ") + doc.GetLastErrorMessage();
    return Value(doc.GetRoot(), "v");
}

} // namespace

TEST(XmlAttribute, NamesValuesAndElementsWithoutAttributes)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<r><a  x = \"1\"\ty=\"\" k=\"first\" k=\"second\" >\"q\" z=\"w\"</a><e/>"
                         "<d x=\"&lt;&quot;\" y=\"2\"z=\"&amp;\"/></r>"));
    CXmlElem a = doc.GetRoot().GetChild();
    EXPECT_EQ("x=1;y=;k=first;k=second;", Attributes(a));
    EXPECT_STREQ("", a.GetAttributeValue(-1));
    EXPECT_EQ("first", Value(a, "k"));
    EXPECT_EQ("<absent>", Value(a, "X"));
    EXPECT_EQ("<absent>", Value(a, "z"));
    EXPECT_EQ("", Attributes(a.GetSibling()));
    EXPECT_EQ("x=<\";y=2;z=&;", Attributes(a.GetSibling().GetSibling()));
}

TEST(XmlAttribute, The65thAttributeIsNotVisible)
{
    std::string text = "<a";
    for (int i = 0; i < 65; ++i) text += " a" + std::to_string(i) + "=\"v" + std::to_string(i) + "\"";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load((text + "/>").c_str()));
    CXmlElem a = doc.GetRoot();
    EXPECT_EQ(64, a.GetAttributeCount());
    EXPECT_EQ("v63", Value(a, "a63"));
    EXPECT_EQ("<absent>", Value(a, "a64"));
    EXPECT_STREQ("", a.GetAttributeName(64));
}

TEST(XmlAttribute, ValueCopyIsCappedAt499Bytes)
{
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

TEST(XmlAttribute, EntitiesAndWhitespace)
{
    const struct {
        const char* raw;
        const char* decoded;
        bool preserve;
    } cases[] = {{"&amp;&lt;&gt;&quot;&apos;", "&<>\"'", true},
                 {"&nbsp;", "&nbsp;", true},
                 {"&", "&", true},
                 {"&amp", "&amp", true},
                 {"&&amp;", "&&", true},
                 {"a   b \t c", "a   b \t c", true},
                 {"a   b \t\r\n c", "a b c", false},
                 {"   x   ", " x ", false}};
    for (const auto& c : cases) EXPECT_EQ(c.decoded, AttrOf(c.raw, c.preserve)) << c.raw;
}
