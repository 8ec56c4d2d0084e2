#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Utils/WindowSkinMarkup.h"

using namespace SkinUI;

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
