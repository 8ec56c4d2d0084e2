#include <gtest/gtest.h>
#include <cstring>
#include <windows.h>
#include "SkinUI/Core/HtmlLineFit.h"

using namespace SkinUI;

namespace {

// Every byte is 10 pixels wide.
int TenPerByte(const char*, int bytes)
{
    return bytes * 10;
}

THtmlFit FitIn(const char* text, int space, bool lineEmpty, bool wordBreak, bool ellipsis = false)
{
    return CHtmlLineFit::Fit(text, static_cast<int>(std::strlen(text)), space, lineEmpty, wordBreak, ellipsis,
                             TenPerByte);
}

} // namespace

TEST(HtmlLineFit, WholeRunFitsOrBreaksAtTheOverflowingCharacter)
{
    THtmlFit all = FitIn("hello", 50, true, false);
    EXPECT_EQ(all.bytes, 5);
    EXPECT_FALSE(all.wrap);
    THtmlFit cut = FitIn("hello world", 45, true, false);
    EXPECT_EQ(cut.bytes, 4);
    EXPECT_TRUE(cut.wrap);
}

TEST(HtmlLineFit, WordBreakUsesTheLastOpportunity)
{
    EXPECT_EQ(FitIn("hello world", 85, true, true).bytes, 6);
    EXPECT_EQ(FitIn("ab-cdef", 55, true, true).bytes, 3);
    // No opportunity: an empty line still cuts the word, a started line wraps it whole.
    EXPECT_EQ(FitIn("abcdefgh", 35, true, true).bytes, 3);
    THtmlFit wrapped = FitIn("abcdefgh", 35, false, true);
    EXPECT_EQ(wrapped.bytes, 0);
    EXPECT_TRUE(wrapped.wrap);
}

TEST(HtmlLineFit, NarrowSpaceStillAdvancesOnAnEmptyLine)
{
    EXPECT_EQ(FitIn("abc", 0, true, false).bytes, 1);
    EXPECT_EQ(FitIn("abc", 0, false, false).bytes, 0);
    EXPECT_EQ(FitIn("abc", -20, true, true).bytes, 1);
}

TEST(HtmlLineFit, EllipsisCutsTwoCharactersEarlierNeverBelowZero)
{
    THtmlFit e = FitIn("abcdefgh", 55, true, false, true);
    EXPECT_TRUE(e.ellipsis);
    EXPECT_EQ(e.bytes, 3);
    EXPECT_EQ(FitIn("abcdefgh", 15, true, false, true).bytes, 0);
    EXPECT_FALSE(FitIn("abc", 55, true, false, true).ellipsis);
}

TEST(HtmlLineFit, EmptyOrMissingText)
{
    EXPECT_EQ(CHtmlLineFit::Fit(nullptr, 5, 100, true, false, false, TenPerByte).bytes, 0);
    EXPECT_EQ(CHtmlLineFit::Fit("abc", 0, 100, true, false, false, TenPerByte).bytes, 0);
}

TEST(HtmlLineFit, DoubleByteCharactersAreNeverSplit)
{
    // "中文" in GBK: two characters of two bytes each.
    const char* text = "中文";
    ASSERT_EQ(std::strlen(text), 4u);
    if (::GetACP() != 936) GTEST_SKIP() << "needs the GBK code page";
    EXPECT_EQ(FitIn(text, 35, true, false).bytes, 2);
}

TEST(HtmlLineFit, AlignmentOffsets)
{
    EXPECT_EQ(CHtmlLineFit::AlignOffset(40, 100, 0x1), 30);
    EXPECT_EQ(CHtmlLineFit::AlignOffset(40, 100, 0x2), 60);
    EXPECT_EQ(CHtmlLineFit::AlignOffset(40, 100, 0), 0);
}
