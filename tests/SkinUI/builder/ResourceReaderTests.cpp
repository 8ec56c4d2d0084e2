#include <gtest/gtest.h>
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/DlgResourceReader.h"
#include "SkinUI/Core/XmlDoc.h"

using namespace SkinUI;

TEST(WindowAttributes, NumbersNeedEveryNumberAndColoursAHexDigit)
{
    int v[4] = {7, 7, 7, 7};
    EXPECT_TRUE(CAttributeValue::ReadNumbers("1,-2, 3,+4", v, 4));
    EXPECT_EQ(v[1] * 10 + v[3], -16);
    for (const char* bad : {"10,", "10,,20", "-"}) EXPECT_FALSE(CAttributeValue::ReadNumbers(bad, v, 2)) << bad;
    unsigned int color = 5;
    EXPECT_TRUE(CAttributeValue::ReadColor("ff00ff00", color));
    for (const char* bad : {"#", "red", " #FF000000"}) EXPECT_FALSE(CAttributeValue::ReadColor(bad, color)) << bad;
    EXPECT_EQ(color, 0xFF00FF00u);
}

TEST(DlgResourceReader, BadFontSizesFallBackAndNamelessElementsAreRefused)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<W><Font name=\"A\" italic=\"yes\" size=\"abc\"/><Font name=\"A\" size=\"-14\"/>"
                         "<Font name=\"A\" size=\"0\"/><Font size=\"10\"/><Image restype=\"PNG\"/>"
                         "<Default value=\"x\"/><Image name=\"\"/></W>"));
    CXmlElem elem = doc.GetRoot().GetChild();
    for (int i = 0; i < 3; ++i, elem = elem.GetSibling()) {
        TFontDecl font;
        ASSERT_TRUE(CDlgResourceReader::ReadFont(elem, font));
        EXPECT_EQ(font.iSize, 12) << i;
        EXPECT_FALSE(font.bItalic) << i;
    }
    TFontDecl font;
    TImageDecl image;
    TDefaultDecl list;
    EXPECT_FALSE(CDlgResourceReader::ReadFont(elem, font));
    EXPECT_FALSE(CDlgResourceReader::ReadImage(elem = elem.GetSibling(), image));
    EXPECT_FALSE(CDlgResourceReader::ReadDefault(elem = elem.GetSibling(), list));
    EXPECT_FALSE(CDlgResourceReader::ReadImage(elem = elem.GetSibling(), image));
}
