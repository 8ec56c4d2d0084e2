#include <gtest/gtest.h>
#include <string>
#include "SkinUI/Utils/WindowSkinMarkup.h"

using namespace SkinUI;

TEST(WindowSkinMarkup, TheMostNegativeSizeStillFitsAndTheMarkupIsWhole)
{
    const std::string extreme = WindowSkinMarkup(-2147483647 - 1, -2147483647 - 1).GetData();
    EXPECT_NE(std::string::npos, extreme.find(" size=\"-2147483648,-2147483648\" sizebox="));
    EXPECT_EQ(extreme.size() - 9, extreme.rfind("</Window>"));
}
