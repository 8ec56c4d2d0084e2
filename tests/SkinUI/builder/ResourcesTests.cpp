#include <gtest/gtest.h>
#include <string>
#include "BuilderTestSupport.h"
#include "SkinUI/Core/DlgResources.h"
#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/XmlDoc.h"

using namespace SkinUI;

namespace {

// A 2 x 2 opaque red PNG.
const unsigned char kRedPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x11, 0x49,
    0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x84, 0x19, 0x60, 0x0C, 0x00, 0x47, 0xCA, 0x07,
    0xF9, 0x67, 0x59, 0x6E, 0xB7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

} // namespace

TEST(DlgResources, FontsGetIndicesInDocumentOrderWhateverLiesBetween)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<Window><Font name=\"Arial\" size=\"10\"/><Control/>"
                         "<Default name=\"Control\" value=\"width=&quot;5&quot;\"/><Font size=\"99\"/>"
                         "<Font name=\"Tahoma\" size=\"14\" bold=\"true\" underline=\"true\"/>"
                         "<VerticalLayout><Font name=\"Inner\"/><Default name=\"Label\" value=\"x\"/></VerticalLayout>"
                         "<Font name=\"Courier New\" size=\"16\" italic=\"true\" default=\"true\"/>"
                         "<Default name=\"Control\" value=\"width=&quot;6&quot;\"/>"
                         "<Default name=\"control\" value=\"height=&quot;3&quot;\"/></Window>"));
    CPaintManagerUI pm;
    CDlgResources::Load(doc.GetRoot(), pm);
    ASSERT_NE(pm.GetFontInfo(2), pm.GetDefaultFontInfo());
    EXPECT_STREQ(pm.GetFontInfo(0)->sFontName, "Arial");
    EXPECT_STREQ(pm.GetFontInfo(1)->sFontName, "Tahoma");
    EXPECT_TRUE(pm.GetFontInfo(1)->bBold && pm.GetFontInfo(1)->bUnderline);
    EXPECT_TRUE(pm.GetFontInfo(2)->bItalic);
    // Nameless and nested fonts take no index; a "default" font also becomes the default.
    EXPECT_EQ(pm.GetFontInfo(3), pm.GetDefaultFontInfo());
    EXPECT_STREQ(pm.GetDefaultFontInfo()->sFontName, "Courier New");
    EXPECT_EQ(pm.GetDefaultFontInfo()->iSize, 16);
    EXPECT_STREQ(pm.GetDefaultAttributeList("Control"), "width=\"5\"");
    EXPECT_STREQ(pm.GetDefaultAttributeList("control"), "height=\"3\"");
    EXPECT_EQ(pm.GetDefaultAttributeList("Label"), nullptr);
}

TEST(DlgResources, ImagesLoadFromTheResourcePath)
{
    CSkinFolder folder;
    folder.Write("red.png", std::string(reinterpret_cast<const char*>(kRedPng), sizeof(kRedPng)));
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load("<Window><Image name=\"red.png\" mask=\"#FF00FF00\"/><Image name=\"none.png\"/>"
                         "<Image name=\"red\" restype=\"PNG\"/></Window>"));
    CPaintManagerUI pm;
    CDlgResources::Load(doc.GetRoot(), pm);
    const TImageRec* image = pm.GetImage("red.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->nX * 10 + image->nY, 22);
    EXPECT_EQ(image->dwMask, 0xFF00FF00u);
    EXPECT_EQ(pm.GetImage("none.png"), nullptr);
    // With a resource type the name must be a number.
    EXPECT_EQ(pm.GetImage("red"), nullptr);
}
