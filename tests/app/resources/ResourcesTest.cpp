// The program's resources as linked into this test program: images by number,
// icon, manifest and version.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/WindowSkinMarkup.h"

using SkinUI::CUIRender;
using SkinUI::TImageRec;

namespace {

struct TImageSize {
    int id;
    int cx;
    int cy;
};

const TImageSize kImages[] = {
    {144, 45, 17}, {145, 45, 17}, {146, 45, 17}, {150, 26, 17}, {151, 26, 17}, {152, 26, 17},
    {159, 70, 177}, {160, 5, 29}, {161, 5, 31}, {162, 5, 30}, {164, 5, 11}, {169, 5, 29},
    {170, 5, 9}, {174, 21, 20}, {175, 9, 20}, {179, 123, 24}, {180, 24, 18}, {181, 24, 18},
    {183, 24, 18}, {184, 5, 20}, {185, 45, 17}, {186, 45, 17}, {187, 45, 17},
};

const DWORD kMask = 0xFFFF00FF;

HMODULE Self() { return ::GetModuleHandleA(nullptr); }

// An image loaded the way the windows load "res='N' restype='png'".
class CLoadedImage {
public:
    CLoadedImage(int id, DWORD mask) : m_image(CUIRender::LoadImageRec(MAKEINTRESOURCEA(id), "png", mask)) {}
    ~CLoadedImage() { CUIRender::FreeImage(m_image); }
    CLoadedImage(const CLoadedImage&) = delete;
    CLoadedImage& operator=(const CLoadedImage&) = delete;

    const TImageRec* Get() const { return m_image; }
    // Premultiplied 0xAARRGGBB; masked pixels are 0.
    uint32_t Pixel(int x, int y) const
    {
        DIBSECTION dib = {};
        ::GetObjectA(m_image->hBitmap, sizeof(dib), &dib);
        return static_cast<const uint32_t*>(dib.dsBm.bmBits)[y * m_image->nX + x];
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
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::set<int>*>(param)->insert(static_cast<int>(
        reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::vector<RECT> ScrollBarSources()
{
    const std::string markup = SkinUI::WindowSkinMarkup(588, 489).GetData();
    std::vector<RECT> sources;
    for (size_t at = markup.find("source='"); at != std::string::npos; at = markup.find("source='", at + 1)) {
        RECT rc = {};
        if (std::sscanf(markup.c_str() + at, "source='%ld,%ld,%ld,%ld'", &rc.left, &rc.top, &rc.right,
                        &rc.bottom) == 4)
            sources.push_back(rc);
    }
    return sources;
}

// The framework cuts a source part to the image size.
RECT CutToImage(RECT rc, const TImageRec& image)
{
    if (rc.right > image.nX) rc.right = image.nX;
    if (rc.bottom > image.nY) rc.bottom = image.nY;
    return rc;
}

std::vector<uint32_t> PartPixels(const CLoadedImage& sheet, const RECT& rc)
{
    std::vector<uint32_t> pixels;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) pixels.push_back(sheet.Pixel(x, y));
    return pixels;
}

std::string VersionString(const std::vector<char>& info, const char* name)
{
    struct TTranslation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT size = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
        size < sizeof(TTranslation))
        return "<no translation>";
    char path[128];
    std::snprintf(path, sizeof(path), "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->codePage, name);
    char* value = nullptr;
    if (!::VerQueryValueA(info.data(), path, reinterpret_cast<void**>(&value), &size)) return "<missing>";
    return value;
}

TEST_F(ResourcesTest, EveryImageDecodesAtItsSizeAndNoOtherIsLinked)
{
    std::set<int> expected;
    for (const TImageSize& entry : kImages) {
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

TEST_F(ResourcesTest, ImagesLeaveTheCornersOfTheirFramesSeeThrough)
{
    // Rounded frames: the outermost corner pixel lets the background through.
    for (int id : {160, 161, 162, 169, 164, 170, 175, 180, 181, 183}) {
        SCOPED_TRACE(id);
        CLoadedImage image(id, 0);
        ASSERT_NE(image.Get(), nullptr);
        EXPECT_TRUE(image.Get()->alphaChannel);
        EXPECT_LT(image.Pixel(0, 0) >> 24, 0x80u);
        EXPECT_LT(image.Pixel(image.Get()->nX - 1, image.Get()->nY - 1) >> 24, 0x80u);
        EXPECT_EQ(image.Pixel(image.Get()->nX / 2, image.Get()->nY / 2) >> 24, 0xFFu);
    }
}

TEST_F(ResourcesTest, ScrollBarPartsLieOnTheSheetAndDifferByState)
{
    CLoadedImage sheet(159, kMask);
    ASSERT_NE(sheet.Get(), nullptr);
    const std::vector<RECT> sources = ScrollBarSources();
    ASSERT_EQ(sources.size(), 20u);
    for (size_t i = 0; i < sources.size(); ++i) {
        SCOPED_TRACE(i);
        const RECT rc = CutToImage(sources[i], *sheet.Get());
        ASSERT_GE(rc.left, 0);
        ASSERT_GE(rc.top, 0);
        // Room for the 2-pixel corners and a middle to stretch.
        ASSERT_GE(rc.right - rc.left, 5);
        ASSERT_GE(rc.bottom - rc.top, 5);
        const std::vector<uint32_t> part = PartPixels(sheet, rc);
        EXPECT_NE(std::count(part.begin(), part.end(), 0u), static_cast<long>(part.size())) << "all mask";
        // Each group of four is normal, hot, pushed, disabled of one part.
        if (i % 4 != 0) {
            EXPECT_NE(PartPixels(sheet, CutToImage(sources[i - i % 4], *sheet.Get())), part);
        }
    }
}

TEST_F(ResourcesTest, ScrollBarSheetIsMaskBetweenTheParts)
{
    CLoadedImage sheet(159, kMask);
    ASSERT_NE(sheet.Get(), nullptr);
    for (int y = 0; y < sheet.Get()->nY; ++y) {
        for (int x : {16, 17, 34, 35, 52, 53}) ASSERT_EQ(sheet.Pixel(x, y), 0u) << x << "," << y;
    }
    for (int x = 0; x < sheet.Get()->nX; ++x) {
        for (int y : {106, 107, 124, 125, 142, 143, 160, 161}) ASSERT_EQ(sheet.Pixel(x, y), 0u) << x << "," << y;
    }
}

TEST_F(ResourcesTest, IconHoldsThreeSizes)
{
    HRSRC group = ::FindResourceA(Self(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const BYTE*>(::LockResource(::LoadResource(Self(), group)));
    ASSERT_NE(dir, nullptr);
    WORD count = 0;
    std::memcpy(&count, dir + 4, sizeof(count));
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;
        WORD id = 0;
        std::memcpy(&id, entry + 12, sizeof(id));
        HRSRC image = ::FindResourceA(Self(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(image, nullptr);
        HICON icon = ::CreateIconFromResourceEx(static_cast<BYTE*>(::LockResource(::LoadResource(Self(), image))),
                                                ::SizeofResource(Self(), image), TRUE, 0x00030000, 0, 0, 0);
        ASSERT_NE(icon, nullptr);
        ::DestroyIcon(icon);
        sizes.insert(entry[0]);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixAsInvoker)
{
    HRSRC res = ::FindResourceA(Self(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(res, nullptr);
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(Self(), res)));
    const std::string text(bytes, ::SizeofResource(Self(), res));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("<dpiAware"), std::string::npos);
}

TEST_F(ResourcesTest, VersionNamesTheProduct)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameA(Self(), path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00030000u);
    EXPECT_EQ(VersionString(info, "ProductName"), "Velmar Configuration Tool");
    EXPECT_EQ(VersionString(info, "CompanyName"), "Velmar");
    EXPECT_EQ(VersionString(info, "OriginalFilename"), "RadioConfig.exe");
    EXPECT_EQ(VersionString(info, "FileVersion"), "V001.01.03");
    EXPECT_EQ(VersionString(info, "ProductVersion"), "V001.01.03");
}

}  // namespace
