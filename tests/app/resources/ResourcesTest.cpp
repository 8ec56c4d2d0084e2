// The program's resources as linked into this test program: images by number,
// icon and manifest.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"

using SkinUI::CUIRender;
using SkinUI::TImageRec;

namespace {

HMODULE Self()
{
    return ::GetModuleHandleA(nullptr);
}

// An image loaded the way the windows load "res='N' restype='png'".
class CLoadedImage {
public:
    CLoadedImage(int id, DWORD mask)
        : m_image(CUIRender::LoadImageRec(MAKEINTRESOURCEA(id), "png", mask))
    {}
    ~CLoadedImage() { CUIRender::FreeImage(m_image); }
    CLoadedImage(const CLoadedImage&) = delete;
    CLoadedImage& operator=(const CLoadedImage&) = delete;

    const TImageRec* Get() const { return m_image; }
    // Premultiplied 0xAARRGGBB of a part, cut to the image as the framework cuts it; masked pixels are 0.
    std::vector<uint32_t> Part(RECT rc) const
    {
        DIBSECTION dib = {};
        ::GetObjectA(m_image->hBitmap, sizeof(dib), &dib);
        std::vector<uint32_t> pixels;
        for (int y = rc.top; y < std::min<int>(rc.bottom, m_image->nY); ++y)
            for (int x = rc.left; x < std::min<int>(rc.right, m_image->nX); ++x)
                pixels.push_back(static_cast<const uint32_t*>(dib.dsBm.bmBits)[y * m_image->nX + x]);
        return pixels;
    }

private:
    TImageRec* m_image = nullptr;
};

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { SkinUI::CPaintManagerUI::SetInstance(Self()); }
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<int>*>(param)->insert(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::string Resource(int id, int type)
{
    HRSRC found = ::FindResourceA(Self(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (found == nullptr) return "";
    return std::string(static_cast<const char*>(::LockResource(::LoadResource(Self(), found))),
                       ::SizeofResource(Self(), found));
}

TEST_F(ResourcesTest, EveryImageDecodesAtItsSizeAndNoOtherIsLinked)
{
    const struct {
        int id, cx, cy;
    } images[] = {
        {144, 45, 17},  {145, 45, 17}, {146, 45, 17}, {150, 26, 17},  {151, 26, 17}, {152, 26, 17},
        {159, 70, 177}, {160, 5, 29},  {161, 5, 31},  {162, 5, 30},   {164, 5, 11},  {169, 5, 29},
        {170, 5, 9},    {174, 21, 20}, {175, 9, 20},  {179, 123, 24}, {180, 24, 18}, {181, 24, 18},
        {183, 24, 18},  {184, 5, 20},  {185, 45, 17}, {186, 45, 17},  {187, 45, 17},
    };
    std::set<int> expected;
    for (const auto& entry : images) {
        SCOPED_TRACE(entry.id);
        expected.insert(entry.id);
        CLoadedImage image(entry.id, 0);
        ASSERT_NE(image.Get(), nullptr);
        EXPECT_EQ(image.Get()->nX, entry.cx);
        EXPECT_EQ(image.Get()->nY, entry.cy);
    }
    std::set<int> linked;
    ::EnumResourceNamesA(Self(), "PNG", CollectName, reinterpret_cast<LONG_PTR>(&linked));
    EXPECT_EQ(linked, expected);
}

TEST_F(ResourcesTest, ScrollBarPartsLieOnTheSheetAndDifferByState)
{
    CLoadedImage sheet(159, 0xFFFF00FF);
    ASSERT_NE(sheet.Get(), nullptr);
    const std::string markup = SkinUI::WindowSkinMarkup(588, 489).GetData();
    std::vector<RECT> sources;
    for (size_t at = markup.find("source='"); at != std::string::npos; at = markup.find("source='", at + 1)) {
        RECT rc = {};
        if (std::sscanf(markup.c_str() + at, "source='%ld,%ld,%ld,%ld'", &rc.left, &rc.top, &rc.right, &rc.bottom) == 4)
            sources.push_back(rc);
    }
    ASSERT_EQ(sources.size(), 20u);
    for (size_t i = 0; i < sources.size(); ++i) {
        SCOPED_TRACE(i);
        const RECT& rc = sources[i];
        // Room for the 2-pixel corners and a middle to stretch.
        ASSERT_TRUE(rc.left >= 0 && rc.top >= 0);
        ASSERT_GE(std::min<long>(rc.right, sheet.Get()->nX) - rc.left, 5);
        ASSERT_GE(std::min<long>(rc.bottom, sheet.Get()->nY) - rc.top, 5);
        const std::vector<uint32_t> part = sheet.Part(rc);
        EXPECT_NE(std::count(part.begin(), part.end(), 0u), static_cast<long>(part.size())) << "all mask";
        // Each group of four is normal, hot, pushed, disabled of one part.
        if (i % 4 != 0) {
            EXPECT_NE(sheet.Part(sources[i - i % 4]), part);
        }
    }
}

TEST_F(ResourcesTest, IconHoldsThreeSizes)
{
    const std::string group = Resource(1, 14); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    std::set<int> sizes;
    for (size_t entry = 6; entry + 14 <= group.size(); entry += 14) {
        const int id = static_cast<unsigned char>(group[entry + 12]) | static_cast<unsigned char>(group[entry + 13])
                                                                           << 8;
        std::string image = Resource(id, 3); // RT_ICON
        HICON icon = ::CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), static_cast<DWORD>(image.size()),
                                                TRUE, 0x00030000, 0, 0, 0);
        ASSERT_NE(icon, nullptr) << id;
        ::DestroyIcon(icon);
        sizes.insert(static_cast<unsigned char>(group[entry]));
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

// Aware of each monitor's DPI, so that the system sends WM_DPICHANGED instead of stretching the window.
TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixAsInvokerAwareOfEachMonitor)
{
    const std::string text = Resource(1, 24); // RT_MANIFEST
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}

} // namespace
