#include <gtest/gtest.h>
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

std::vector<TImageDrawState> Interpret(const char* desc, const char* modifier, TGridRect item = {0, 0, 100, 20})
{
    std::vector<TImageDrawState> drawn;
    CImageDescInterpreter interpreter(item, [&drawn](const TImageDrawState& s) { drawn.push_back(s); });
    interpreter.Run(desc, modifier);
    return drawn;
}

std::string Describe(const char* html)
{
    CHtmlTokenizer tokenizer(html);
    std::string out;
    for (THtmlToken t = tokenizer.Next(); t.kind != EHtmlToken::End; t = tokenizer.Next()) {
        switch (t.kind) {
        case EHtmlToken::Text: out += "T(" + std::string(t.text, t.length) + ")"; break;
        case EHtmlToken::Open: out += std::string("O") + t.tag + "(" + std::string(t.text, t.length) + ")"; break;
        case EHtmlToken::Close: out += std::string("C") + t.tag; break;
        case EHtmlToken::LineFeed: out += "N"; break;
        case EHtmlToken::End: break;
        }
    }
    return out;
}

} // namespace

TEST(ImageDescParser, ReadsPairsWithSpacesAroundEquals)
{
    EXPECT_EQ(Pairs("file='a.png' corner = '1,2,3,4'"),
              (std::vector<std::string>{"file=a.png", "corner=1,2,3,4"}));
    EXPECT_EQ(Pairs("  res='175'"), (std::vector<std::string>{"res=175"}));
}

TEST(ImageDescParser, MalformedInputEndsParsing)
{
    EXPECT_TRUE(Pairs("plain.png").empty());
    EXPECT_TRUE(Pairs("file").empty());
    EXPECT_TRUE(Pairs("file=").empty());
    EXPECT_TRUE(Pairs("file=a.png").empty());
    EXPECT_TRUE(Pairs("file='a.png").empty());
    EXPECT_TRUE(Pairs("").empty());
    EXPECT_TRUE(Pairs(nullptr).empty());
    EXPECT_EQ(Pairs("file='a' dest='1,2"), (std::vector<std::string>{"file=a"}));
    // A pair must be followed by a space before the next one.
    EXPECT_EQ(Pairs("file='a'fade='3'"), (std::vector<std::string>{"file=a"}));
}

TEST(ImageDescParser, MultibyteValueKeepsTrailBytes)
{
    // GBK character whose trail byte is 0x7B ('{'), inside a value.
    EXPECT_EQ(Pairs("file='\xB0\x7B.png' fade='1'"),
              (std::vector<std::string>{"file=\xB0\x7B.png", "fade=1"}));
}

TEST(ImageDescParser, RectsAndColours)
{
    const TGridRect rc = CImageDescParser::ParseRect("1,2,3,4");
    EXPECT_EQ(rc.left, 1);
    EXPECT_EQ(rc.top, 2);
    EXPECT_EQ(rc.right, 3);
    EXPECT_EQ(rc.bottom, 4);
    const TGridRect part = CImageDescParser::ParseRect("5,6");
    EXPECT_EQ(part.left, 5);
    EXPECT_EQ(part.top, 6);
    EXPECT_EQ(part.right, 0);
    EXPECT_EQ(part.bottom, 0);
    EXPECT_EQ(CImageDescParser::ParseRect("x").left, 0);
    EXPECT_EQ(CImageDescParser::ParseColor("#FFFF00FF"), 0xFFFF00FFu);
    EXPECT_EQ(CImageDescParser::ParseColor("80112233"), 0x80112233u);
}

TEST(ImageDescInterpreter, BareNameDrawsThatFileWithDefaults)
{
    const auto drawn = Interpret("bk.png", nullptr);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].name, "bk.png");
    EXPECT_EQ(drawn[0].dest.right, 100);
    EXPECT_EQ(drawn[0].fade, 255);
    EXPECT_FALSE(drawn[0].hole);
}

TEST(ImageDescInterpreter, TwoFilesDrawTheFirstWhenTheSecondIsRead)
{
    const auto drawn = Interpret("file='a.png' fade='100' file='b.png' hole='true'", nullptr);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].name, "a.png");
    EXPECT_EQ(drawn[0].fade, 100);
    EXPECT_FALSE(drawn[0].hole);
    EXPECT_EQ(drawn[1].name, "b.png");
    EXPECT_TRUE(drawn[1].hole);
}

TEST(ImageDescInterpreter, ResourcePairsDrawEachImageOnce)
{
    const auto drawn = Interpret("res='1' restype='png' res='2' restype='png'", nullptr);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].name, "1");
    EXPECT_EQ(drawn[0].resType, "png");
    EXPECT_EQ(drawn[1].name, "2");
}

TEST(ImageDescInterpreter, DestinationIsCutToTheItem)
{
    const auto drawn = Interpret("file='a' dest='0,0,500,500'", nullptr, {10, 10, 110, 30});
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].dest.left, 10);
    EXPECT_EQ(drawn[0].dest.top, 10);
    EXPECT_EQ(drawn[0].dest.right, 110);
    EXPECT_EQ(drawn[0].dest.bottom, 30);
}

TEST(ImageDescInterpreter, ModifierOverridesWithoutDrawingTwice)
{
    const auto drawn = Interpret("file='a.png' source='0,0,10,10'", "source='10,0,20,10' mask='#FFFF00FF' xtiled='true'");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].name, "a.png");
    EXPECT_EQ(drawn[0].source.left, 10);
    EXPECT_EQ(drawn[0].mask, 0xFFFF00FFu);
    EXPECT_TRUE(drawn[0].xtiled);
    EXPECT_FALSE(drawn[0].ytiled);
}

TEST(ImageDescInterpreter, EmptyValuesAndOutOfRangeFadeAreSafe)
{
    const auto drawn = Interpret("file='' fade='300' hole='yes' corner='3,3,3,3' unknown='1'", nullptr);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].fade, 255);
    EXPECT_FALSE(drawn[0].hole);
    EXPECT_EQ(drawn[0].corner.bottom, 3);
    EXPECT_EQ(Interpret("file='a' fade='-4'", nullptr)[0].fade, 0);
}

TEST(ImageDescInterpreter, TruncatedDescriptionKeepsWhatWasRead)
{
    const auto drawn = Interpret("file='a.png' corner='1,1,1,1' fade='12", nullptr);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].name, "a.png");
    EXPECT_EQ(drawn[0].corner.left, 1);
    EXPECT_EQ(drawn[0].fade, 255);
}

TEST(HtmlTokenizer, MixedBracketStylesAndClosingTags)
{
    EXPECT_EQ(Describe("{b}x<c #FF0000>y</c>{/b}"), "Ob()T(x)Oc(#FF0000)T(y)CcCb");
    EXPECT_EQ(Describe("a\nb<n>"), "T(a)NT(b)On()");
}

TEST(HtmlTokenizer, EscapesDrawBracketsAsText)
{
    EXPECT_EQ(Describe("<{>x<}>"), "T({)T(x)T(})");
    EXPECT_EQ(Describe("{<}{>}"), "T(<)T(>)");
}

TEST(HtmlTokenizer, NonTagsAreText)
{
    EXPECT_EQ(Describe("1<2"), "T(1)T(<)T(2)");
    EXPECT_EQ(Describe("<B>"), "T(<)T(B>)");
    EXPECT_EQ(Describe("x<b"), "T(x)T(<)T(b)");
    EXPECT_EQ(Describe("x</b"), "T(x)T(<)T(/b)");
}

TEST(HtmlTokenizer, TextEndingInsideATagStopsSafely)
{
    EXPECT_EQ(Describe("x<c #FF00"), "T(x)");
    EXPECT_EQ(Describe("x{f 1"), "T(x)");
    EXPECT_EQ(Describe("{a "), "");
}

TEST(HtmlTokenizer, RawTextIgnoresTags)
{
    EXPECT_EQ(Describe("<r><b>x</b></r>y"), "Or()T(<b>x</b>)CrT(y)");
    EXPECT_EQ(Describe("{r}<b"), "Or()T(<b)");
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

TEST(HtmlTagArgs, FontTags)
{
    EXPECT_EQ(CHtmlTagArgs::ParseFont("2").index, 2);
    const THtmlFontTag tag = CHtmlTagArgs::ParseFont("Arial 14 bold italic");
    EXPECT_EQ(tag.index, -1);
    EXPECT_EQ(tag.face, "Arial");
    EXPECT_EQ(tag.size, 14);
    EXPECT_TRUE(tag.bold);
    EXPECT_FALSE(tag.underline);
    EXPECT_TRUE(tag.italic);
    EXPECT_EQ(CHtmlTagArgs::ParseFont("Tahoma").size, 10);
}

TEST(HtmlTagArgs, ImageTags)
{
    THtmlImageTag tag = CHtmlTagArgs::ParseImage("icons.png 4 2");
    EXPECT_EQ(tag.name, "icons.png");
    EXPECT_EQ(tag.frames, 4);
    EXPECT_EQ(tag.frame, 2);
    tag = CHtmlTagArgs::ParseImage("icons.png 0 7");
    EXPECT_EQ(tag.frames, 1);
    EXPECT_EQ(tag.frame, 0);
    tag = CHtmlTagArgs::ParseImage("icons.png 3 5");
    EXPECT_EQ(tag.frame, 0);
    tag = CHtmlTagArgs::ParseImage("res='12' restype='png'");
    EXPECT_EQ(tag.name, "12");
    EXPECT_EQ(tag.resType, "png");
    EXPECT_EQ(tag.frames, 1);
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
