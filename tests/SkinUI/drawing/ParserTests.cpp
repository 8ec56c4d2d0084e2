#include <gtest/gtest.h>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlLineFit.h"
#include "SkinUI/Core/HtmlTagArgs.h"
#include "SkinUI/Core/HtmlTokenizer.h"
#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/ImageDescParser.h"
#include "SkinUI/Core/MbcsText.h"
#include "tests/support/UIRectPrint.h"

using namespace SkinUI;

namespace {

std::vector<std::string> Pairs(const char* text)
{
    CImageDescParser parser(text);
    std::vector<std::string> out;
    std::string key;
    std::string value;
    while (parser.Next(key, value)) out.push_back(key + "=" + value);
    return out;
}

// The images drawn, each as name|dest and the fields that differ from their defaults, joined by " + ".
std::string Interpret(const char* desc, const char* modifier, CUIRect item = {0, 0, 100, 20})
{
    std::string out;
    CImageDescInterpreter interpreter(item, CDpiScale(), [&out](const TImageDrawState& s) {
        char mask[16];
        std::snprintf(mask, sizeof(mask), "%08X", static_cast<unsigned>(s.mask));
        const CUIRect none{0, 0, 0, 0};
        out += (out.empty() ? "" : " + ") + s.name + (s.resType.empty() ? "" : ":" + s.resType) + "|" +
               RectText(s.dest) + (s.source == none ? "" : "|src=" + RectText(s.source)) +
               (s.corner == none ? "" : "|corner=" + RectText(s.corner)) +
               (s.fade == 255 ? "" : "|fade=" + std::to_string(s.fade)) + (s.hole ? "|hole" : "") +
               (s.mask == 0 ? "" : std::string("|mask=") + mask) + (s.xtiled ? "|x" : "") + (s.ytiled ? "|y" : "");
    });
    interpreter.Run(desc, modifier);
    return out;
}

std::string Describe(const char* html)
{
    CHtmlTokenizer tokenizer(html);
    std::string out;
    for (THtmlToken t = tokenizer.Next(); t.kind != EHtmlToken::End; t = tokenizer.Next()) {
        const std::string text(t.text, t.length);
        if (t.kind == EHtmlToken::Text) out += "T(" + text + ")";
        if (t.kind == EHtmlToken::Open) out += std::string("O") + t.tag + "(" + text + ")";
        if (t.kind == EHtmlToken::Close) out += std::string("C") + t.tag;
        if (t.kind == EHtmlToken::LineFeed) out += "N";
    }
    return out;
}

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

TEST(ImageDescParser, PairsRectsColoursAndMalformedInput)
{
    EXPECT_EQ(Pairs("file='a.png' corner = '1,2,3,4'"), (std::vector<std::string>{"file=a.png", "corner=1,2,3,4"}));
    for (const char* bad : {"file=", "file='a.png", static_cast<const char*>(nullptr)}) {
        EXPECT_TRUE(Pairs(bad).empty()) << (bad != nullptr ? bad : "<null>");
    }
    // A pair must be followed by a space before the next one.
    EXPECT_EQ(Pairs("file='a'fade='3'"), (std::vector<std::string>{"file=a"}));
    // GBK character whose trail byte is 0x7B ('{'), inside a value.
    EXPECT_EQ(Pairs("file='\xB0\x7B.png' fade='1'"), (std::vector<std::string>{"file=\xB0\x7B.png", "fade=1"}));
    // Past the int range a number saturates, whatever the width of long.
    EXPECT_EQ(RectText(CImageDescParser::ParseRect("4294967306,-4294967306,99999999999")),
              std::to_string(INT_MAX) + "," + std::to_string(INT_MIN) + "," + std::to_string(INT_MAX) + ",0");
    EXPECT_EQ(CImageDescParser::ParseColor("#100000000"), 0xFFFFFFFFu);
}

TEST(ImageDescInterpreter, WhatIsDrawnAndWhen)
{
    const char* cases[][3] = {
        // Two files: the first is drawn when the second key is read; the state carries over.
        {"file='a.png' fade='100' file='b.png' hole='true'", nullptr,
         "a.png|0,0,100,20|fade=100 + b.png|0,0,100,20|fade=100|hole"},
        // An empty value is ignored, so the name stays the whole description.
        {"file='' fade='300' hole='yes' corner='3,3,3,3'", nullptr,
         "file='' fade='300' hole='yes' corner='3,3,3,3'|0,0,100,20|corner=3,3,3,3"},
    };
    for (const auto& c : cases) EXPECT_EQ(Interpret(c[0], c[1]), c[2]) << c[0];
    EXPECT_EQ(Interpret("file='a' dest='0,0,500,500'", nullptr, {10, 10, 110, 30}), "a|10,10,110,30");
    // Edges past the int range stay at its ends instead of wrapping around.
    EXPECT_EQ(Interpret("file='a' dest='-2147483648,-9999999999,2147483647,9999999999'", nullptr, {10, 10, 110, 30}),
              "a|-2147483638,-2147483638,110,30");
}

TEST(HtmlTokenizer, TagsEscapesRawTextAndCutTags)
{
    const char* cases[][2] = {
        {"{b}x<c #FF0000>y</c>{/b}", "Ob()T(x)Oc(#FF0000)T(y)CcCb"}, {"x<c #FF00", "T(x)"}, {"{r}<b", "Or()T(<b)"}};
    for (const auto& c : cases) EXPECT_EQ(Describe(c[0]), c[1]) << c[0];
}

// Run under code page 936 (the _gbk test) for the double-byte branch.
TEST(HtmlTokenizer, TrailBytesAreNotBrackets)
{
    if (CMbcsText::IsLeadByte(0xB0)) {
        EXPECT_EQ(Describe("\xB0\x7B{b}"), "T(\xB0\x7B)Ob()");
        EXPECT_EQ(Describe("x<c \xB0\x7D>"), "T(x)Oc(\xB0\x7D)");
    } else {
        EXPECT_EQ(Describe("\xB0\x7B{b}"), "T(\xB0)T({)Ob()");
    }
    // A lead byte at the very end never steps past the terminator.
    EXPECT_EQ(Describe("a\xB0"), "T(a\xB0)");
}

TEST(HtmlTagArgs, FontAndImageTags)
{
    // A font number past the int range is a font that does not exist, never a negative index.
    EXPECT_EQ(CHtmlTagArgs::ParseFont("14091262834083685269").index, INT_MAX);
    EXPECT_EQ(CHtmlTagArgs::ParseInt("-4294967306"), INT_MIN);
    const char* images[][2] = {{"icons.png 0 7", "icons.png 1 0"}, {"icons.png 3 5", "icons.png 3 0"}};
    for (const auto& c : images) {
        const THtmlImageTag tag = CHtmlTagArgs::ParseImage(c[0]);
        EXPECT_EQ(tag.name + (tag.resType.empty() ? "" : ":" + tag.resType) + " " + std::to_string(tag.frames) + " " +
                      std::to_string(tag.frame),
                  c[1]);
    }
}

// Run under code page 936 (the _gbk test) for the double-byte branch.
TEST(MbcsText, NamesCompareIgnoringAsciiCaseOnly)
{
    EXPECT_TRUE(CMbcsText::EqualNoCase("ButtonUI", "buttonui"));
    EXPECT_FALSE(CMbcsText::EqualNoCase("ButtonUI", nullptr));
    if (CMbcsText::IsLeadByte(0xB0)) {
        // 0xB0 0x41 and 0xB0 0x61 are two different characters.
        EXPECT_FALSE(CMbcsText::EqualNoCase("\xB0\x41", "\xB0\x61"));
        EXPECT_TRUE(CMbcsText::EqualNoCase("\xB0\x41X", "\xB0\x41x"));
    }
}

// Run under code page 936 (the _gbk test) for the double-byte branch.
TEST(HtmlLineFit, BytesThatFitWrapsAndEllipsis)
{
    const struct {
        const char* text;
        int space;
        bool lineEmpty;
        bool wordBreak;
        int bytes;
        bool wrap;
    } cases[] = {{"hello world", 85, true, true, 6, true},
                 // Too narrow: an empty line still takes one character.
                 {"abc", 0, true, false, 1, true},
                 // "中文" in GBK: two characters of two bytes each, never split.
                 {"中文", 35, true, false, 2, true}};
    for (const auto& c : cases) {
        const THtmlFit fit = FitIn(c.text, c.space, c.lineEmpty, c.wordBreak);
        EXPECT_EQ(fit.bytes, c.bytes) << c.text << " in " << c.space;
        EXPECT_EQ(fit.wrap, c.wrap) << c.text << " in " << c.space;
    }
    EXPECT_EQ(CHtmlLineFit::Fit(nullptr, 5, 100, true, false, false, TenPerByte).bytes, 0);
    // An ellipsis cuts two characters earlier, never below zero.
    EXPECT_EQ(FitIn("abcdefgh", 55, true, false, true).bytes, 3);
    EXPECT_EQ(FitIn("abcdefgh", 15, true, false, true).bytes, 0);
}
