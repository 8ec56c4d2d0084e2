// The program's resources as linked into this test program: images by number
// and the manifest.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SkinUI/Core/PaintManagerUI.h"
#include "SkinUI/Core/UIRender.h"

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<int>*>(param)->insert(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

// Every image the windows name decodes as they load it, and no other is linked.
TEST(ResourcesTest, EveryImageTheWindowsNameDecodesAndNoOtherIsLinked)
{
    SkinUI::CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
    const std::set<int> named = {144, 145, 146, 150, 151, 152, 159, 160, 161, 162, 164, 169,
                                 170, 174, 175, 179, 180, 181, 183, 184, 185, 186, 187};
    for (int id : named) {
        SkinUI::TImageRec* image = SkinUI::CUIRender::LoadImageRec(MAKEINTRESOURCEA(id), "png", 0);
        ASSERT_NE(image, nullptr) << id;
        EXPECT_GT(image->nX * image->nY, 0) << id;
        SkinUI::CUIRender::FreeImage(image);
    }
    std::set<int> linked;
    ::EnumResourceNamesA(::GetModuleHandleA(nullptr), "PNG", CollectName, reinterpret_cast<LONG_PTR>(&linked));
    EXPECT_EQ(linked, named);
}

// Aware of each monitor's DPI, so that the system sends WM_DPICHANGED instead of stretching the window.
TEST(ResourcesTest, ManifestAsksForCommonControlsSixAsInvokerAwareOfEachMonitor)
{
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                           ::SizeofResource(nullptr, found));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}

} // namespace
