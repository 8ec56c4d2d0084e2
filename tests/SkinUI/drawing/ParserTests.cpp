#include <gtest/gtest.h>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>
#include "SkinUI/Core/HtmlTagArgs.h"
#include "SkinUI/Core/HtmlTokenizer.h"
#include "SkinUI/Core/ImageDescInterpreter.h"
#include "SkinUI/Core/ImageDescParser.h"
#include "SkinUI/Core/MbcsText.h"

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

std::vector<TImageDrawState> Interpret(const char* desc, const char* modifier, CUIRect item = {0, 0, 100, 20})
{
    std::vector<TImageDrawState> drawn;
    CImageDescInterpreter interpreter(item, SkinUI::CDpiScale(),
                                      [&drawn](const TImageDrawState& s) { drawn.push_back(s); });
    interpreter.Run(desc, modifier);
    return drawn;
}

std::string Describe(const char* html)
{
    CHtmlTokenizer tokenizer(html);
    std::string out;
    for (THtmlToken t = tokenizer.Next(); t.kind != EHtmlToken::End; t = tokenizer.Next()) {
        switch (t.kind) {
        case EHtmlToken::Text:
            out += "T(" + std::string(t.text, t.length) + ")";
            break;
        case EHtmlToken::Open:
            out += std::string("O") + t.tag + "(" + std::string(t.text, t.length) + ")";
            break;
        case EHtmlToken::Close:
            out += std::string("C") + t.tag;
            break;
        case EHtmlToken::LineFeed:
            out += "N";
            break;
        case EHtmlToken::End:
            break;
        }
    }
    return out;
}

// A drawn image as name|dest|source|corner|fade|hole|mask|tiling.
std::string Drawn(const TImageDrawState& s)
{
    const auto rect = [](const CUIRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    };
    char mask[16];
    std::snprintf(mask, sizeof(mask), "%08X", static_cast<unsigned>(s.mask));
    return s.name + (s.resType.empty() ? "" : ":" + s.resType) + "|" + rect(s.dest) + "|" + rect(s.source) + "|" +
           rect(s.corner) + "|" + std::to_string(s.fade) + (s.hole ? "|hole" : "") + "|" + mask +
           (s.xtiled ? "|x" : "") + (s.ytiled ? "|y" : "");
}

} // namespace

TEST(ImageDescParser, PairsAndMalformedInput)
{
    EXPECT_EQ(Pairs("file='a.png' corner = '1,2,3,4'"), (std::vector<std::string>{"file=a.png", "corner=1,2,3,4"}));
    for (const char* bad :
         {"plain.png", "file", "file=", "file=a.png", "file='a.png", "", static_cast<const char*>(nullptr)}) {
        EXPECT_TRUE(Pairs(bad).empty()) << (bad != nullptr ? bad : "<null>");
    }
    EXPECT_EQ(Pairs("file='a' dest='1,2"), (std::vector<std::string>{"file=a"}));
    // A pair must be followed by a space before the next one.
    EXPECT_EQ(Pairs("file='a'fade='3'"), (std::vector<std::string>{"file=a"}));
    // GBK character whose trail byte is 0x7B ('{'), inside a value.
    EXPECT_EQ(Pairs("file='\xB0\x7B.png' fade='1'"), (std::vector<std::string>{"file=\xB0\x7B.png", "fade=1"}));
}

TEST(ImageDescParser, RectsAndColours)
{
    const CUIRect part = CImageDescParser::ParseRect("5,6");
    EXPECT_TRUE(part.left == 5 && part.top == 6 && part.right == 0 && part.bottom == 0);
    EXPECT_EQ(CImageDescParser::ParseRect("x").left, 0);
    // Past the int range a number saturates, whatever the width of long.
    const CUIRect huge = CImageDescParser::ParseRect("4294967306,-4294967306,99999999999");
    EXPECT_TRUE(huge.left == INT_MAX && huge.top == INT_MIN && huge.right == INT_MAX);
    EXPECT_EQ(CImageDescParser::ParseColor("#FFFF00FF"), 0xFFFF00FFu);
    EXPECT_EQ(CImageDescParser::ParseColor("80112233"), 0x80112233u);
    EXPECT_EQ(CImageDescParser::ParseColor("#100000000"), 0xFFFFFFFFu);
}

TEST(ImageDescInterpreter, WhatIsDrawnAndWhen)
{
    const struct {
        const char* desc;
        const char* modifier;
        std::vector<std::string> drawn;
    } cases[] = {
        {"bk.png", nullptr, {"bk.png|0,0,100,20|0,0,0,0|0,0,0,0|255|00000000"}},
        // Two files: the first is drawn when the second key is read; the state carries over.
        {"file='a.png' fade='100' file='b.png' hole='true'",
         nullptr,
         {"a.png|0,0,100,20|0,0,0,0|0,0,0,0|100|00000000", "b.png|0,0,100,20|0,0,0,0|0,0,0,0|100|hole|00000000"}},
        {"res='1' restype='png' res='2' restype='png'",
         nullptr,
         {"1:png|0,0,100,20|0,0,0,0|0,0,0,0|255|00000000", "2:png|0,0,100,20|0,0,0,0|0,0,0,0|255|00000000"}},
        {"file='a.png' source='0,0,10,10'",
         "source='10,0,20,10' mask='#FFFF00FF' xtiled='true'",
         {"a.png|0,0,100,20|10,0,20,10|0,0,0,0|255|FFFF00FF|x"}},
        // An empty value is ignored, so the name stays the whole description.
        {"file='' fade='300' hole='yes' corner='3,3,3,3'",
         nullptr,
         {"file='' fade='300' hole='yes' corner='3,3,3,3'|0,0,100,20|0,0,0,0|3,3,3,3|255|00000000"}},
        {"file='a' fade='-4'", nullptr, {"a|0,0,100,20|0,0,0,0|0,0,0,0|0|00000000"}},
        {"file='a.png' corner='1,1,1,1' fade='12", nullptr, {"a.png|0,0,100,20|0,0,0,0|1,1,1,1|255|00000000"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> drawn;
        for (const TImageDrawState& s : Interpret(c.desc, c.modifier)) drawn.push_back(Drawn(s));
        EXPECT_EQ(drawn, c.drawn) << c.desc;
    }
    const auto shifted = Interpret("file='a' dest='0,0,500,500'", nullptr, {10, 10, 110, 30});
    ASSERT_EQ(shifted.size(), 1u);
    EXPECT_EQ(Drawn(shifted[0]), "a|10,10,110,30|0,0,0,0|0,0,0,0|255|00000000");
    // Edges past the int range stay at its ends instead of wrapping around.
    const auto huge =
        Interpret("file='a' dest='-2147483648,-9999999999,2147483647,9999999999'", nullptr, {10, 10, 110, 30});
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(Drawn(huge[0]), "a|-2147483638,-2147483638,110,30|0,0,0,0|0,0,0,0|255|00000000");
}

TEST(HtmlTokenizer, TagsEscapesRawTextAndCutTags)
{
    const char* cases[][2] = {{"{b}x<c #FF0000>y</c>{/b}", "Ob()T(x)Oc(#FF0000)T(y)CcCb"},
                              {"a\nb<n>", "T(a)NT(b)On()"},
                              {"<{>x<}>", "T({)T(x)T(})"},
                              {"{<}{>}", "T(<)T(>)"},
                              {"<B>", "T(<)T(B>)"},
                              {"x<b", "T(x)T(<)T(b)"},
                              {"x</b", "T(x)T(<)T(/b)"},
                              {"x<c #FF00", "T(x)"},
                              {"x{f 1", "T(x)"},
                              {"{a ", ""},
                              {"<r><b>x</b></r>y", "Or()T(<b>x</b>)CrT(y)"},
                              {"{r}<b", "Or()T(<b)"}};
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
    EXPECT_EQ(CHtmlTagArgs::ParseFont("2").index, 2);
    // A font number past the int range is a font that does not exist, never a negative index.
    EXPECT_EQ(CHtmlTagArgs::ParseFont("14091262834083685269").index, INT_MAX);
    EXPECT_EQ(CHtmlTagArgs::ParseInt("-4294967306"), INT_MIN);
    const THtmlFontTag font = CHtmlTagArgs::ParseFont("Arial 14 bold italic");
    EXPECT_TRUE(font.index == -1 && font.face == "Arial" && font.size == 14);
    EXPECT_TRUE(font.bold && font.italic && !font.underline);
    const struct {
        const char* args;
        const char* name;
        int frames;
        int frame;
    } images[] = {{"icons.png 4 2", "icons.png", 4, 2},
                  {"icons.png 0 7", "icons.png", 1, 0},
                  {"icons.png 3 5", "icons.png", 3, 0},
                  {"res='12' restype='png'", "12", 1, 0}};
    for (const auto& c : images) {
        const THtmlImageTag tag = CHtmlTagArgs::ParseImage(c.args);
        EXPECT_EQ(tag.name, c.name) << c.args;
        EXPECT_EQ(tag.frames, c.frames) << c.args;
        EXPECT_EQ(tag.frame, c.frame) << c.args;
    }
    EXPECT_EQ(CHtmlTagArgs::ParseImage("res='12' restype='png'").resType, "png");
}

// Run under code page 936 (the _gbk test) for the double-byte branch.
TEST(MbcsText, NamesCompareIgnoringAsciiCaseOnly)
{
    EXPECT_TRUE(CMbcsText::EqualNoCase("ButtonUI", "buttonui"));
    EXPECT_FALSE(CMbcsText::EqualNoCase("Button", "ButtonUI"));
    EXPECT_FALSE(CMbcsText::EqualNoCase("ButtonUI", nullptr));
    if (CMbcsText::IsLeadByte(0xB0)) {
        // 0xB0 0x41 and 0xB0 0x61 are two different characters.
        EXPECT_FALSE(CMbcsText::EqualNoCase("\xB0\x41", "\xB0\x61"));
        EXPECT_TRUE(CMbcsText::EqualNoCase("\xB0\x41X", "\xB0\x41x"));
    }
}
