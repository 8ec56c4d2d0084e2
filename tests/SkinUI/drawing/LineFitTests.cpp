#include <gtest/gtest.h>
#include <cstring>
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

TEST(HtmlLineFit, BytesThatFit)
{
    const struct {
        const char* text;
        int space;
        bool lineEmpty;
        bool wordBreak;
        int bytes;
        bool wrap;
    } cases[] = {{"hello", 50, true, false, 5, false},
                 {"hello world", 45, true, false, 4, true},
                 // Word breaks use the last opportunity.
                 {"hello world", 85, true, true, 6, true},
                 {"ab-cdef", 55, true, true, 3, true},
                 // No opportunity: an empty line still cuts the word, a started line wraps it whole.
                 {"abcdefgh", 35, true, true, 3, true},
                 {"abcdefgh", 35, false, true, 0, true},
                 // Too narrow: an empty line still takes one character.
                 {"abc", 0, true, false, 1, true},
                 {"abc", -20, false, true, 0, true}};
    for (const auto& c : cases) {
        const THtmlFit fit = FitIn(c.text, c.space, c.lineEmpty, c.wordBreak);
        EXPECT_EQ(fit.bytes, c.bytes) << c.text << " in " << c.space;
        EXPECT_EQ(fit.wrap, c.wrap) << c.text << " in " << c.space;
    }
    EXPECT_EQ(CHtmlLineFit::Fit(nullptr, 5, 100, true, false, false, TenPerByte).bytes, 0);
    EXPECT_EQ(CHtmlLineFit::Fit("abc", 0, 100, true, false, false, TenPerByte).bytes, 0);
}

TEST(HtmlLineFit, EllipsisCutsTwoCharactersEarlierNeverBelowZero)
{
    const THtmlFit e = FitIn("abcdefgh", 55, true, false, true);
    EXPECT_TRUE(e.ellipsis);
    EXPECT_EQ(e.bytes, 3);
    EXPECT_EQ(FitIn("abcdefgh", 15, true, false, true).bytes, 0);
    EXPECT_FALSE(FitIn("abc", 55, true, false, true).ellipsis);
}

TEST(HtmlLineFit, DoubleByteCharactersAreNeverSplit)
{
    // "中文" in GBK: two characters of two bytes each.
    EXPECT_EQ(FitIn("中文", 35, true, false).bytes, 2);
}
