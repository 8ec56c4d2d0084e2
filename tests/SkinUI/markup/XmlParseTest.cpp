#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

namespace {

std::string Value(CXmlElem elem, const char* name)
{
    char buffer[CXmlElem::kValueBufferSize] = {};
    return elem.GetAttributeValue(name, buffer) ? std::string(buffer) : std::string("<absent>");
}

bool LoadBytes(CXmlDoc& doc, const std::string& bytes, size_t length)
{
    return doc.LoadFromMem(reinterpret_cast<const unsigned char*>(bytes.data()), length);
}

// A file of this run's own in the temporary folder (the folder itself for a null name).
std::string TempFile(const char* name, const std::string* bytes = nullptr)
{
    static const std::string run = std::to_string(std::random_device{}());
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string path = (name != nullptr ? folder / ("skinui_markup_" + run + name) : folder).string();
    FILE* f = bytes != nullptr ? std::fopen(path.c_str(), "wb") : nullptr;
    const bool ok = f != nullptr && std::fwrite(bytes->data(), 1, bytes->size(), f) == bytes->size();
    return f == nullptr || (std::fclose(f) == 0 && ok) ? path : std::string();
}

} // namespace

TEST(XmlParse, ErrorMessagesLocationsAndAnEmptiedDocument)
{
    const std::string tail(80, 'z');
    const std::string cases[][3] = {{"<a", "Error parsing element name", ""},
                                    {"<a></ab>", "Unmatched closing tag", "b>"},
                                    {"<a x='1'/>", "Expected attribute value", "'1'/>"},
                                    {"<a x=\"&am", "Error while parsing attribute string", ""},
                                    {"<a/>" + tail, "Expected start tag", tail.substr(0, 49)}};
    CXmlDoc doc;
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load("<a><b/></a>"));
        EXPECT_FALSE(doc.Load(c[0].c_str())) << c[0];
        EXPECT_EQ(c[1], doc.GetLastErrorMessage()) << c[0];
        EXPECT_EQ(c[2], doc.GetLastErrorLocation()) << c[0];
        EXPECT_FALSE(doc.GetRoot().IsValid()) << c[0];
    }
    EXPECT_FALSE(doc.Load(nullptr));
}

TEST(XmlParse, TwoHundredThousandLevelsLoad)
{
    CXmlDoc doc;
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
    for (size_t n = 0; n <= text.size(); ++n) {
        const std::string prefix = text.substr(0, n);
        CXmlDoc doc;
        if (doc.Load(prefix.c_str())) {
            EXPECT_TRUE(!doc.GetRoot().IsValid() || std::string("Window") == doc.GetRoot().GetName()) << n;
            continue;
        }
        EXPECT_STRNE("", doc.GetLastErrorMessage()) << n;
        EXPECT_NE(std::string::npos, prefix.find(doc.GetLastErrorLocation())) << n;
    }
}

TEST(XmlAttribute, NamesValuesEntitiesAndWhitespace)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a  x = \"1\"\ty=\"\">\"q\" z=\"w\"</a>"));
    EXPECT_EQ("1", Value(doc.GetRoot(), "x"));
    EXPECT_EQ("<absent>", Value(doc.GetRoot(), "z"));
    EXPECT_STREQ("", doc.GetRoot().GetAttributeValue(-1));
    const struct {
        const char* raw;
        const char* decoded;
        bool preserve;
    } cases[] = {{"&amp;&lt;&gt;&quot;&apos;", "&<>\"'", true}, {"&amp", "&amp", true}, {"a \t\r\n c", "a c", false}};
    for (const auto& c : cases) {
        doc.SetPreserveWhitespace(c.preserve);
        ASSERT_TRUE(doc.Load((std::string("<a v=\"") + c.raw + "\"/>").c_str())) << c.raw;
        EXPECT_EQ(c.decoded, Value(doc.GetRoot(), "v")) << c.raw;
    }
}

TEST(XmlAttribute, ValueCopyStopsAtTheBuffer)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load(("<a v=\"" + std::string(600, 'q') + "\"/>").c_str()));
    char buffer[CXmlElem::kValueBufferSize + 8];
    std::memset(buffer, '#', sizeof(buffer));
    ASSERT_TRUE(doc.GetRoot().GetAttributeValue("v", buffer));
    EXPECT_EQ(std::string(CXmlElem::kValueBufferSize - 1, 'q'), buffer);
    EXPECT_EQ('#', buffer[CXmlElem::kValueBufferSize]);
    EXPECT_EQ(600u, std::strlen(doc.GetRoot().GetAttributeValue(0)));
    ASSERT_TRUE(doc.GetRoot().GetAttributeValue("v", buffer, 4));
    EXPECT_STREQ("qqq", buffer);
}

TEST(XmlFile, MissingDirectoryEmptyShortReadAndTooLargeFail)
{
    const std::string open = "<r a=\"1\">", close = "</r>";
    const std::string exactText = open + std::string(4194304 - open.size() - close.size(), 'x') + close;
    const std::string overText = exactText + " ", emptyText;
    const std::string exact = TempFile("exact.xml", &exactText), over = TempFile("over.xml", &overText);
    const std::string empty = TempFile("empty.xml", &emptyText);
    ASSERT_FALSE(exact.empty() || over.empty() || empty.empty());
    CXmlDoc doc;
    EXPECT_TRUE(doc.LoadFromPath(exact.c_str())) << doc.GetLastErrorMessage();
    EXPECT_STREQ("1", doc.GetRoot().GetAttributeValue(0));
    std::vector<std::pair<std::string, const char*>> cases = {{TempFile("missing.xml"), "Error opening file"},
                                                              {TempFile(nullptr), "Error opening file"},
                                                              {empty, "File is empty"},
                                                              {over, "File too large"}};
    // A sysfs file reports a 4096-byte size but reads back only a few bytes.
#ifdef _WIN32
    const char* sysfs = "Z:\\sys\\devices\\system\\cpu\\online";
#else
    const char* sysfs = "/sys/devices/system/cpu/online";
#endif
    if (std::filesystem::exists(sysfs)) cases.emplace_back(sysfs, "Could not read file");
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.Load("<a/>"));
        EXPECT_FALSE(doc.LoadFromPath(c.first.c_str())) << c.first;
        EXPECT_STREQ(c.second, doc.GetLastErrorMessage()) << c.first;
        EXPECT_STREQ("", doc.GetLastErrorLocation()) << c.first;
        EXPECT_FALSE(doc.GetRoot().IsValid()) << c.first;
    }
    for (const std::string& path : {exact, over, empty}) std::remove(path.c_str());
}

TEST(XmlGbk, ChineseUtf8ArrivesAsGbkAndCutUtf8FailsCleanly)
{
    // "中文" and "确定" in UTF-8; the literals below are GBK (the sources' execution charset).
    const std::string utf8 =
        "<Window><Button text=\"\xE4\xB8\xAD\xE6\x96\x87\" tip=\"\xE7\xA1\xAE\xE5\xAE\x9A &amp; x\"/></Window>";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        CXmlDoc doc;
        ASSERT_TRUE(LoadBytes(doc, bytes, bytes.size()));
        CXmlElem button = doc.GetRoot().GetChild();
        EXPECT_STREQ("\xD6\xD0\xCE\xC4", button.GetAttributeValue(0));
        EXPECT_STREQ("确定 & x", button.GetAttributeValue(1));
        // Cut anywhere, even inside a character, the bytes load or fail cleanly.
        for (size_t n = 0; n < bytes.size(); ++n) {
            EXPECT_TRUE(LoadBytes(doc, bytes, n) || *doc.GetLastErrorMessage() != '\0') << n;
        }
    }
}

TEST(XmlGbk, LeadAndTrailBytesStepTogether)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<a x=\"\xD6\xD0\" y=\"\xB0\x5C\"/>"));
    EXPECT_STREQ("\xB0\x5C", doc.GetRoot().GetAttributeValue(1));
    // A lead byte right before the closing quote takes the quote as its trail byte.
    for (const char* text : {"<a x=\"\xD6\"/>", "<r x=\"\xD6"}) {
        EXPECT_FALSE(doc.Load(text));
        EXPECT_STREQ("Error while parsing attribute string", doc.GetLastErrorMessage());
    }
    // A lead byte as the last byte stands alone.
    for (const char* text : {"<r>\xD6", "<r>\xD6\xD0\xD6", "<r/><!--\xD6", "<r/><?\xD6"}) {
        EXPECT_TRUE(doc.Load(text)) << text;
        EXPECT_STREQ("r", doc.GetRoot().GetName());
    }
}
