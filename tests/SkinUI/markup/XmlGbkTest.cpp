#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Core/XmlDoc.h"

using SkinUI::CXmlDoc;
using SkinUI::CXmlElem;

TEST(XmlGbk, ChineseUtf8ArrivesAsGbk)
{
    // "中文" and "确定" in UTF-8; the literals below are GBK (the sources' execution charset).
    const std::string utf8 =
        "<Window><Button text=\"\xE4\xB8\xAD\xE6\x96\x87\" tip=\"\xE7\xA1\xAE\xE5\xAE\x9A &amp; x\"/></Window>";
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        CXmlDoc doc;
        ASSERT_TRUE(doc.LoadFromMem(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
        CXmlElem button = doc.GetRoot().GetChild();
        EXPECT_STREQ("\xD6\xD0\xCE\xC4", button.GetAttributeValue(0));
        EXPECT_STREQ("确定 & x", button.GetAttributeValue(1));
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
