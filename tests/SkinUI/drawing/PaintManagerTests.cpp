#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "SkinUI/Core/PaintManagerUI.h"

using namespace SkinUI;

namespace {

std::string TempDir()
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return dir;
}

// A 1 x 1 opaque 24-bit BMP.
void WriteDot(const std::string& path)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + 4;
    info.biSize = sizeof(info);
    info.biWidth = 1;
    info.biHeight = 1;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const unsigned char pixel[4] = {0x30, 0x20, 0x10, 0};
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(&file, sizeof(file), 1, f);
    std::fwrite(&info, sizeof(info), 1, f);
    std::fwrite(pixel, 1, 4, f);
    std::fclose(f);
}

} // namespace

TEST(PaintManager, ImagesLoadOnceUnderTheirNameAndResolveAgainstTheResourcePath)
{
    WriteDot(TempDir() + "skinui_dot.bmp");
    CPaintManagerUI::SetResourcePath(TempDir().c_str());
    CPaintManagerUI manager;
    const TImageRec* first = manager.GetImageEx("skinui_dot.bmp", nullptr, 0xFF102030);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->nX, 1);
    EXPECT_EQ(first->dwMask, 0xFF102030u);
    EXPECT_TRUE(first->alphaChannel);
    EXPECT_EQ(manager.GetImageEx("skinui_dot.bmp"), first);
    EXPECT_EQ(manager.AddImage("skinui_dot.bmp"), nullptr);
    EXPECT_EQ(manager.GetImage("skinui_dot.bmp"), first);
    CPaintManagerUI::SetResourcePath("");
}

TEST(PaintManager, ResourceImagesNeedADecimalName)
{
    CPaintManagerUI manager;
    EXPECT_EQ(manager.AddImage("abc", "png"), nullptr);
    EXPECT_EQ(manager.GetImage("abc"), nullptr);
    EXPECT_EQ(manager.GetImageEx("175", "png"), nullptr);
    EXPECT_EQ(manager.AddImage(""), nullptr);
    EXPECT_EQ(manager.GetImage(nullptr), nullptr);
}

TEST(PaintManager, FontsByIndexAndByValues)
{
    CPaintManagerUI manager;
    HFONT defaultFont = manager.GetDefaultFontInfo()->hFont;
    ASSERT_NE(defaultFont, nullptr);
    EXPECT_GT(manager.GetDefaultFontInfo()->tm.tmHeight, 0);
    HFONT added = manager.AddFont("Arial", 14, true, false, false);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(manager.GetFont(0), added);
    EXPECT_EQ(manager.GetFont(1), defaultFont);
    EXPECT_EQ(manager.GetFont(-1), defaultFont);
    EXPECT_EQ(manager.GetFont("Arial", 14, true, false, false), added);
    EXPECT_EQ(manager.GetFont("Arial", 14, false, false, false), nullptr);
    const TFontInfo* info = manager.GetFontInfo(added);
    EXPECT_TRUE(info->bBold);
    EXPECT_GT(info->tm.tmHeight, 0);
    EXPECT_EQ(manager.GetFontInfo(static_cast<HFONT>(nullptr)), manager.GetDefaultFontInfo());
}

TEST(PaintManager, ResourcePathGetsOneTrailingSeparator)
{
    CPaintManagerUI::SetResourcePath("C:\\skin");
    EXPECT_STREQ(CPaintManagerUI::GetResourcePath(), "C:\\skin\\");
    CPaintManagerUI::SetResourcePath("C:/skin/");
    EXPECT_STREQ(CPaintManagerUI::GetResourcePath(), "C:/skin/");
    CPaintManagerUI::SetResourcePath("");
    EXPECT_STREQ(CPaintManagerUI::GetResourcePath(), "");
    EXPECT_EQ(CPaintManagerUI::GetResourceInstance(), CPaintManagerUI::GetInstance());
}

TEST(PaintManager, DefaultColoursAndMousePosition)
{
    CPaintManagerUI manager;
    EXPECT_EQ(manager.GetDefaultLinkFontColor(), 0xFF0000FFu);
    EXPECT_EQ(manager.GetDefaultLinkHoverFontColor(), 0xFFD3215Fu);
    EXPECT_EQ(manager.GetDefaultSelectedBkColor(), 0xFFBAE4FFu);
    EXPECT_EQ(manager.GetMousePos().x, -1);
    EXPECT_EQ(manager.GetMousePos().y, -1);
}
