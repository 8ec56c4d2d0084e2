#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Core/XmlDoc.h"
#include "SkinUI/Core/XmlElem.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"

using namespace SkinUI;

namespace {

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

} // namespace

TEST(WindowSkinMarkup, SizeGoesBetweenTheFixedPiecesEvenAtTheExtremes)
{
    const std::string text = WindowSkinMarkup(588, 489).GetData();
    EXPECT_EQ(0u, text.find("<Window caption=\"0,0,0,36\" roundcorner=\"5,5\"  size=\"588,489\" sizebox=\"6,6,6,6\" "
                            "defaultfontcolor=\"#FF386382\"> \t\t\t\t\t\t\t<Font "));
    EXPECT_EQ(text.size() - 9, text.rfind("</Window>"));
    const std::string extreme = WindowSkinMarkup(-2147483647 - 1, -2147483647 - 1).GetData();
    EXPECT_NE(std::string::npos, extreme.find(" size=\"-2147483648,-2147483648\" sizebox="));
    EXPECT_EQ(extreme.size() - 9, extreme.rfind("</Window>"));
}

TEST(WindowSkinMarkup, ParsesAsOneWindowWithFontsDefaultsAndTheMainLayout)
{
    CXmlDoc doc;
    ASSERT_TRUE(doc.Load(WindowSkinMarkup(275, 184)));
    CXmlElem root = doc.GetRoot();
    EXPECT_STREQ("Window", root.GetName());
    std::string names;
    std::string scrollDefaults;
    for (CXmlElem child = root.GetChild(); child.IsValid(); child = child.GetSibling()) {
        names += std::string(child.GetName()) + ",";
        if (std::string(child.GetName()) == "Default") scrollDefaults = child.GetAttributeValue(1);
    }
    EXPECT_EQ("Font,Font,Font,Default,VerticalLayout,", names);
    EXPECT_EQ(20, Count(scrollDefaults, "image=\"res='159'"));
    EXPECT_EQ(0u, scrollDefaults.find("button1normalimage=\"res='159' restype='png' source='0,90,16,106' "
                                      "mask='#FFFF00FF'\" "));
}
