#include <gtest/gtest.h>
#include <string>
#include <utility>
#include "SkinUI/Utils/GbkText.h"

using SkinUI::CGbkText;

// The narrow literals are GBK (the sources' execution character set), the wide ones UTF-16.
TEST(GbkText, ConvertsBothWaysWhateverTheCodePage)
{
    const std::pair<const char*, const wchar_t*> pairs[] = {
        {"维曼外置电台配置工具-V001.01.03", L"维曼外置电台配置工具-V001.01.03"},
        {"频道3: 窗口 441.50000，电台 441.00000～470.00000MHZ", L"频道3: 窗口 441.50000，电台 441.00000～470.00000MHZ"},
        // A trail byte in the ASCII range ("\x5C" is a backslash on its own).
        {"\xB0\x5C", L"\x7668"}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(CGbkText::ToWide(pair.first), pair.second) << pair.first;
        EXPECT_EQ(CGbkText::FromWide(pair.second), pair.first) << pair.first;
    }
    // A file dialog's filter: name, NUL, pattern, NUL.
    static const char kFilter[] = "程序文件(*.dwn)\0*.dwn\0";
    static const wchar_t kWideFilter[] = L"程序文件(*.dwn)\0*.dwn\0";
    const std::string filter(kFilter, sizeof kFilter - 1);
    const std::wstring wide(kWideFilter, sizeof kWideFilter / sizeof kWideFilter[0] - 1);
    EXPECT_EQ(CGbkText::ToWide(filter.data(), static_cast<int>(filter.size())), wide);
    EXPECT_EQ(CGbkText::FromWide(wide.data(), static_cast<int>(wide.size())), filter);
    EXPECT_EQ(CGbkText::ToWide("连接成功", 4), L"连接");
}

TEST(GbkText, NullAndBrokenTextKeepWhatCanBeShown)
{
    EXPECT_EQ(CGbkText::ToWide(nullptr), L"");
    EXPECT_EQ(CGbkText::FromWide(nullptr), "");
    // A text cut after a lead byte keeps everything before it.
    const std::wstring cut = CGbkText::ToWide("455.5\xD6");
    EXPECT_EQ(cut.substr(0, 5), L"455.5");
    EXPECT_LE(cut.size(), 6u);
    // What GBK lacks comes back as "?", never as a look-alike or as nothing.
    EXPECT_EQ(CGbkText::FromWide(L"\x017A.cfg"), "?.cfg");
}
