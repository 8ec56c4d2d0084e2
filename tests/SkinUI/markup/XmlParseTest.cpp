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
    EXPECT_FALSE(doc.IsValid()) << text;
    EXPECT_FALSE(doc.GetRoot().IsValid()) << text;
}

std::string Value(CXmlElem elem, const char* name)
{
    char buffer[CXmlElem::kValueBufferSize] = {};
    return elem.GetAttributeValue(name, buffer) ? std::string(buffer) : std::string("<absent>");
}

}  // namespace

TEST(XmlParse, ErrorMessagesAndLocations) {
    ExpectError("abc", "Expected start tag", "abc");
    ExpectError("<a/>junk", "Expected start tag", "junk");
    ExpectError("<a", "Error parsing element name", "");
    ExpectError("<a x=\"1\"/ >", "Expected start-tag closing", "/ >");
    ExpectError("<a x=\"1\"", "Expected start-tag closing", "");
    ExpectError("<r><a><b>text", "Expected end-tag start", "");
    ExpectError("<a></b>", "Unmatched closing tag", "b>");
    ExpectError("<ab></a>", "Unmatched closing tag", "a>");
    ExpectError("<a></ab>", "Unmatched closing tag", "b>");
    ExpectError("<a></a x>", "Unmatched closing tag", "x>");
    ExpectError("<a></a", "Unmatched closing tag", "");
    ExpectError("<a data-x=\"1\"/>", "Error while parsing attributes", "-x=\"1\"/>");
    ExpectError("<a x/>", "Error while parsing attributes", "/>");
    ExpectError("<a x='1'/>", "Expected attribute value", "'1'/>");
    ExpectError("<a x=", "Expected attribute value", "");
    ExpectError("<a x=\"1", "Error while parsing attribute string", "");
    ExpectError("<a x=\"&am", "Error while parsing attribute string", "");
}

TEST(XmlParse, LocationKeepsFirst49Bytes) {
    const std::string tail(80, 'z');
    ExpectError("<a/>" + tail, "Expected start tag", tail.substr(0, 49));
    const std::string exact(49, 'y');
    ExpectError("<a/>" + exact, "Expected start tag", exact);
}

TEST(XmlParse, FailedLoadEmptiesDocumentAndKeepsError) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a><b/></a>"));
    ASSERT_TRUE(doc.GetRoot().IsValid());
    EXPECT_FALSE(doc.Load("<a></b>"));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_STREQ("Unmatched closing tag", doc.GetLastErrorMessage());
    ASSERT_TRUE(doc.Load("<c/>"));
    EXPECT_STREQ("", doc.GetLastErrorMessage());
    EXPECT_STREQ("", doc.GetLastErrorLocation());
    EXPECT_STREQ("c", doc.GetRoot().GetName());
}

TEST(XmlParse, EmptyAndWhitespaceTextHoldNoElement) {
    CXmlDoc doc;
    EXPECT_TRUE(doc.Load(""));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_TRUE(doc.Load(" \t\r\n "));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    EXPECT_FALSE(doc.Load(nullptr));
}

TEST(XmlParse, TreeLinks) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<r>\n <a><a1/><a2></a2></a>\n <b/>\n <c>text</c >\n</r >"));
    CXmlElem root = doc.GetRoot();
    EXPECT_STREQ("r", root.GetName());
    EXPECT_FALSE(root.GetSibling().IsValid());
    CXmlElem a = root.GetChild();
    EXPECT_STREQ("a", a.GetName());
    EXPECT_TRUE(a.HasChildren());
    EXPECT_STREQ("a1", a.GetChild().GetName());
    EXPECT_STREQ("a2", a.GetChild().GetSibling().GetName());
    EXPECT_FALSE(a.GetChild().GetSibling().GetSibling().IsValid());
    CXmlElem b = a.GetSibling();
    EXPECT_STREQ("b", b.GetName());
    EXPECT_FALSE(b.HasChildren());
    EXPECT_FALSE(b.GetChild().IsValid());
    EXPECT_STREQ("c", b.GetSibling().GetName());
    EXPECT_FALSE(b.GetSibling().GetSibling().IsValid());
}

TEST(XmlParse, NoElementHandle) {
    CXmlElem none;
    EXPECT_FALSE(none.IsValid());
    EXPECT_FALSE(none.GetSibling().IsValid());
    EXPECT_FALSE(none.GetChild().IsValid());
    EXPECT_FALSE(none.HasChildren());
    EXPECT_EQ(nullptr, none.GetName());
    EXPECT_EQ(0, none.GetAttributeCount());
    EXPECT_FALSE(none.HasAttributes());
    EXPECT_STREQ("", none.GetAttributeName(0));
    EXPECT_STREQ("", none.GetAttributeValue(0));
    char buffer[CXmlElem::kValueBufferSize] = {};
    EXPECT_FALSE(none.GetAttributeValue("x", buffer));
}

TEST(XmlParse, CutOffRootAndRootChildLoad) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<Window size=\"1,2\"><Label text=\"t\"/>"));
    EXPECT_STREQ("Window", doc.GetRoot().GetName());
    EXPECT_EQ("1,2", Value(doc.GetRoot(), "size"));
    EXPECT_STREQ("Label", doc.GetRoot().GetChild().GetName());

    ASSERT_TRUE(doc.Load("<r><a>some text"));
    EXPECT_STREQ("r", doc.GetRoot().GetName());
    EXPECT_STREQ("a", doc.GetRoot().GetChild().GetName());
    EXPECT_EQ(0, doc.GetRoot().GetChild().GetAttributeCount());

    ASSERT_TRUE(doc.Load("<r>"));
    EXPECT_STREQ("r", doc.GetRoot().GetName());

    ExpectError("<r><a><b>cut", "Expected end-tag start", "");
    ExpectError("<r><a><b/>", "Expected start tag", "");
    ExpectError("<r><a><b></b>", "Expected start tag", "");
}

TEST(XmlParse, StrayEndTagAtTopLevelEndsDocument) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a/></b><c/>"));
    EXPECT_STREQ("a", doc.GetRoot().GetName());
    EXPECT_FALSE(doc.GetRoot().GetSibling().IsValid());
}

TEST(XmlParse, EmptyElementRightAfterName) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<r><a/><b x=\"1\"/><c/></r>"));
    CXmlElem a = doc.GetRoot().GetChild();
    EXPECT_STREQ("a", a.GetName());
    EXPECT_FALSE(a.HasChildren());
    EXPECT_EQ(0, a.GetAttributeCount());
    EXPECT_FALSE(a.HasAttributes());
    EXPECT_EQ("<absent>", Value(a, "x"));
    CXmlElem b = a.GetSibling();
    EXPECT_EQ(1, b.GetAttributeCount());
    EXPECT_EQ("1", Value(b, "x"));
    EXPECT_STREQ("c", b.GetSibling().GetName());
    EXPECT_EQ(0, b.GetSibling().GetAttributeCount());
}

TEST(XmlParse, CommentsAndProcessingInstructions) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<?xml version=\"1.0\"?>\n<!-- a <b> c -->\n<r><!-- inner --><a/><? pi ?><b/></r><!-- end -->"));
    CXmlElem root = doc.GetRoot();
    EXPECT_STREQ("r", root.GetName());
    EXPECT_STREQ("a", root.GetChild().GetName());
    EXPECT_STREQ("b", root.GetChild().GetSibling().GetName());
    EXPECT_FALSE(root.GetChild().GetSibling().GetSibling().IsValid());

    ASSERT_TRUE(doc.Load("<r>text<!-- c --><a/></r>"));
    EXPECT_STREQ("a", doc.GetRoot().GetChild().GetName());
    ExpectError("<r>x<!--c-->y</r>", "Expected start tag", "y</r>");

    EXPECT_TRUE(doc.Load("<r/><!-- never closed"));
    EXPECT_STREQ("r", doc.GetRoot().GetName());
    EXPECT_TRUE(doc.Load("<r/><?pi"));
    EXPECT_TRUE(doc.Load("<r/><!-- ends in a dash -"));
    EXPECT_TRUE(doc.Load("<!"));
    EXPECT_FALSE(doc.GetRoot().IsValid());
    ExpectError("<r><a><!-- cut", "Expected start tag", "");
}

TEST(XmlParse, ManyElementsSurviveTableGrowth) {
    std::string text = "<r>";
    const int count = 3000;
    for (int i = 0; i < count; ++i) text += "<e i=\"" + std::to_string(i) + "\"/>";
    text += "</r>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load(text.c_str()));
    int seen = 0;
    for (CXmlElem e = doc.GetRoot().GetChild(); e.IsValid(); e = e.GetSibling()) {
        ASSERT_EQ(std::to_string(seen), Value(e, "i"));
        ++seen;
    }
    EXPECT_EQ(count, seen);
}

TEST(XmlParse, DeepNestingDoesNotExhaustTheStack) {
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    for (int i = 0; i < depth; ++i) text += "</a>";
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load(text.c_str()));
    int levels = 0;
    for (CXmlElem e = doc.GetRoot(); e.IsValid(); e = e.GetChild()) ++levels;
    EXPECT_EQ(depth, levels);
}

TEST(XmlParse, EveryPrefixParsesOrFailsCleanly) {
    const std::string head = "<?xml version=\"1.0\"?>\n<!-- skin -->\n<Window size=\"400,300\">";
    const std::string font = "\n  <Font name=\"&quot;Tahoma&quot;\" size=\"12\"/>";
    const std::string layoutOpen = "\n  <VerticalLayout bkcolor=\"#FFF0F0F0\">\n    ";
    const std::string layoutBody = "<Label text=\"a &amp; b\"/>\n    <Button name=\"ok\" text=\"OK\">x</Button>\n  ";
    const std::string layoutClose = "</VerticalLayout>";
    const std::string tailOpen = "\n  <Label text=\"tail\">";
    const std::string tailData = "chars &lt; more";
    const std::string tailClose = "</Label>\n</Window>\n";
    const std::string text = head + font + layoutOpen + layoutBody + layoutClose + tailOpen + tailData + tailClose;

    std::set<size_t> mustLoad;
    size_t at = head.size();
    for (size_t i = 0; i <= 3; ++i) mustLoad.insert(at + i);  // blank before <Font
    at += font.size();
    mustLoad.insert(at);
    for (size_t i = layoutOpen.find('>') + 1; i <= layoutOpen.size(); ++i) mustLoad.insert(at + i);
    at += layoutOpen.size();
    std::set<size_t> mustFail;
    const size_t labelEnd = at + std::string("<Label text=\"a &amp; b\"/>").size();
    for (size_t n = labelEnd; n < at + layoutBody.size() + layoutClose.size(); ++n) mustFail.insert(n);
    at += layoutBody.size() + layoutClose.size();
    mustLoad.insert(at);
    at += tailOpen.size();
    for (size_t i = 0; i <= tailData.size(); ++i) mustLoad.insert(at + i);
    mustLoad.insert(text.size());

    const std::set<std::string> messages = {
        "Expected start tag", "Error parsing element name", "Expected start-tag closing",
        "Expected end-tag start", "Unmatched closing tag", "Error while parsing attributes",
        "Expected attribute value", "Error while parsing attribute string"};
    int loaded = 0;
    for (size_t n = 0; n <= text.size(); ++n) {
        const std::string prefix = text.substr(0, n);
        CXmlDoc doc;
        const bool ok = doc.Load(prefix.c_str());
        if (ok) {
            ++loaded;
            EXPECT_STREQ("", doc.GetLastErrorMessage()) << n;
            if (doc.GetRoot().IsValid()) {
                EXPECT_STREQ("Window", doc.GetRoot().GetName()) << n;
            }
        } else {
            EXPECT_EQ(1u, messages.count(doc.GetLastErrorMessage())) << n << ": " << doc.GetLastErrorMessage();
            const std::string location = doc.GetLastErrorLocation();
            EXPECT_LE(location.size(), 49u);
            EXPECT_NE(std::string::npos, prefix.find(location)) << n;
            EXPECT_FALSE(doc.GetRoot().IsValid());
        }
        if (mustLoad.count(n)) {
            EXPECT_TRUE(ok) << n << ": " << doc.GetLastErrorMessage();
        }
        if (mustFail.count(n)) {
            EXPECT_FALSE(ok) << n;
        }
    }
    EXPECT_GT(loaded, static_cast<int>(mustLoad.size()));

    CXmlDoc full;
    ASSERT_TRUE(full.Load(text.c_str()));
    CXmlElem font1 = full.GetRoot().GetChild();
    EXPECT_EQ("\"Tahoma\"", Value(font1, "name"));
    CXmlElem label = font1.GetSibling().GetChild();
    EXPECT_EQ("a & b", Value(label, "text"));
    EXPECT_EQ("ok", Value(label.GetSibling(), "name"));
    EXPECT_EQ("tail", Value(font1.GetSibling().GetSibling(), "text"));
}

TEST(XmlParse, EveryPrefixOfBytesParsesOrFailsCleanly) {
    const std::string text = "\xEF\xBB\xBF<r a=\"&lt;&amp;\"><b c=\"\xE4\xB8\xAD\"/>\xE6\x96\x87</r>";
    for (size_t n = 0; n <= text.size(); ++n) {
        CXmlDoc doc;
        const bool ok = doc.LoadFromMem(reinterpret_cast<const unsigned char*>(text.data()), n);
        if (!ok) {
            EXPECT_STRNE("", doc.GetLastErrorMessage()) << n;
        }
        if (ok && doc.GetRoot().IsValid()) {
            EXPECT_STREQ("r", doc.GetRoot().GetName()) << n;
        }
    }
}
