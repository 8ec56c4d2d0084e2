#include <gtest/gtest.h>
#include <set>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

void ExpectError(const std::string& text, const char* message, const std::string& location)
{
    CXmlDoc doc;
    EXPECT_FALSE(doc.Load(text.c_str())) << text;
    EXPECT_STREQ(message, doc.GetLastErrorMessage()) << text;
    EXPECT_EQ(location, doc.GetLastErrorLocation()) << text;
    EXPECT_FALSE(doc.GetRoot().IsValid()) << text;
}

// Names of the element and its following siblings, children in brackets.
std::string Shape(CXmlElem elem)
{
    std::string out;
    for (; elem.IsValid(); elem = elem.GetSibling()) {
        out += std::string(elem.GetName()) + (elem.HasChildren() ? "[" + Shape(elem.GetChild()) + "]" : "") + " ";
    }
    return out;
}

std::string ShapeOf(const std::string& text)
{
    CXmlDoc doc;
    return doc.Load(text.c_str()) ? Shape(doc.GetRoot()) : std::string("<error> ") + doc.GetLastErrorMessage();
}

} // namespace

TEST(XmlParse, ErrorMessagesAndLocations)
{
    ExpectError("abc", "Expected start tag", "abc");
    ExpectError("<a/>junk", "Expected start tag", "junk");
    ExpectError("<a", "Error parsing element name", "");
    ExpectError("<a x=\"1\"/ >", "Expected start-tag closing", "/ >");
    ExpectError("<a></b>", "Unmatched closing tag", "b>");
    ExpectError("<a></ab>", "Unmatched closing tag", "b>");
    ExpectError("<a></a", "Unmatched closing tag", "");
    ExpectError("<a data-x=\"1\"/>", "Error while parsing attributes", "-x=\"1\"/>");
    ExpectError("<a x/>", "Error while parsing attributes", "/>");
    ExpectError("<a x='1'/>", "Expected attribute value", "'1'/>");
    ExpectError("<a x=", "Expected attribute value", "");
    ExpectError("<a x=\"&am", "Error while parsing attribute string", "");
    const std::string tail(80, 'z');
    ExpectError("<a/>" + tail, "Expected start tag", tail.substr(0, 49));
}

TEST(XmlParse, FailedLoadEmptiesDocumentAndNextLoadClearsTheError)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a><b/></a>"));
    EXPECT_FALSE(doc.Load("<a></b>"));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    ASSERT_TRUE(doc.Load("<c/>"));
    EXPECT_STREQ("", doc.GetLastErrorMessage());
    EXPECT_STREQ("", doc.GetLastErrorLocation());
    EXPECT_STREQ("c", doc.GetRoot().GetName());
    EXPECT_TRUE(doc.Load(" \t\r\n "));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_FALSE(doc.Load(nullptr));
}

TEST(XmlParse, TreeShapes)
{
    const struct {
        const char* text;
        const char* shape;
    } cases[] = {
        {"<r>\n <a><a1/><a2></a2></a>\n <b/>\n <c>text</c >\n</r >", "r[a[a1 a2 ] b c ] "},
        // Missing end tags at the end of the text are fine for the root and its children.
        {"<Window size=\"1,2\"><Label text=\"t\"/>", "Window[Label ] "},
        {"<r><a>some text", "r[a ] "},
        {"<a/></b><c/>", "a "},
        {"<?xml version=\"1.0\"?>\n<!-- a <b> c -->\n<r><!-- inner --><a/><? pi ?><b/></r><!-- end -->", "r[a b ] "},
        {"<r>text<!-- c --><a/></r>", "r[a ] "},
        {"<r/><!-- never closed", "r "},
        {"<r/><?pi", "r "},
        {"<!", ""},
        {"<r><a><b>cut", "<error> Expected end-tag start"},
        {"<r><a><b/>", "<error> Expected start tag"},
        {"<r>x<!--c-->y</r>", "<error> Expected start tag"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shape, ShapeOf(c.text)) << c.text;
}

TEST(XmlParse, NoElementHandle)
{
    CXmlElem none;
    EXPECT_FALSE(none.GetSibling().IsValid());
    EXPECT_FALSE(none.GetChild().IsValid());
    EXPECT_EQ(0, none.GetAttributeCount());
    EXPECT_STREQ("", none.GetAttributeValue(0));
    char buffer[CXmlElem::kValueBufferSize] = {};
    EXPECT_FALSE(none.GetAttributeValue("x", buffer));
}

TEST(XmlParse, ManySiblingsAndDeepNesting)
{
    std::string text = "<r>";
    for (int i = 0; i < 3000; ++i) text += "<e i=\"" + std::to_string(i) + "\"/>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load((text + "</r>").c_str()));
    int seen = 0;
    for (CXmlElem e = doc.GetRoot().GetChild(); e.IsValid(); e = e.GetSibling(), ++seen) {
        ASSERT_EQ(std::to_string(seen), e.GetAttributeValue(0));
    }
    EXPECT_EQ(3000, seen);
    const int depth = 200000;
    std::string nested;
    for (int i = 0; i < depth; ++i) nested += "<a>";
    for (int i = 0; i < depth; ++i) nested += "</a>";
    ASSERT_TRUE(doc.Load(nested.c_str()));
    int levels = 0;
    for (CXmlElem e = doc.GetRoot(); e.IsValid(); e = e.GetChild()) ++levels;
    EXPECT_EQ(depth, levels);
}

TEST(XmlParse, EveryPrefixParsesOrFailsCleanly)
{
    const std::string text = "<?xml version=\"1.0\"?>\n<!-- skin -->\n<Window size=\"400,300\">"
                             "<Font name=\"&quot;Tahoma&quot;\"/><VerticalLayout bkcolor=\"#FFF0F0F0\">"
                             "<Label text=\"a &amp; b\"/><Button name=\"ok\">x</Button></VerticalLayout>"
                             "<Label text=\"tail\">chars &lt; more</Label>\n</Window>\n";
    const std::set<std::string> messages = {"Expected start tag",         "Error parsing element name",
                                            "Expected start-tag closing", "Expected end-tag start",
                                            "Unmatched closing tag",      "Error while parsing attributes",
                                            "Expected attribute value",   "Error while parsing attribute string"};
    for (size_t n = 0; n <= text.size(); ++n) {
        const std::string prefix = text.substr(0, n);
        CXmlDoc doc;
        if (doc.Load(prefix.c_str())) {
            EXPECT_TRUE(!doc.GetRoot().IsValid() || std::string("Window") == doc.GetRoot().GetName()) << n;
            continue;
        }
        EXPECT_EQ(1u, messages.count(doc.GetLastErrorMessage())) << n << ": " << doc.GetLastErrorMessage();
        EXPECT_NE(std::string::npos, prefix.find(doc.GetLastErrorLocation())) << n;
    }
    EXPECT_EQ("Window[Font VerticalLayout[Label Button ] Label ] ", ShapeOf(text));
}
