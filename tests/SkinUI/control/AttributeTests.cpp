#include <gtest/gtest.h>
#include <windows.h>
#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>
#include "SkinUI/Control/IListItemUI.h"
#include "SkinUI/Core/AttributeList.h"
#include "SkinUI/Core/AttributeValue.h"
#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Core/MarkupBounds.h"

using namespace SkinUI;

namespace {

typedef std::vector<std::pair<std::string, std::string>> Pairs;

Pairs ReadAll(const char* text)
{
    Pairs pairs;
    CAttributeList list(text);
    CUIString name;
    CUIString value;
    while (list.Next(name, value)) pairs.emplace_back(name.GetData(), value.GetData());
    return pairs;
}

std::vector<int> List(const char* text, int count, int capacity)
{
    std::vector<int> v(capacity, 77);
    CAttributeValue::ParseList(text, v.data(), count);
    return v;
}

// The fixed place and size as "x,y wxh".
std::string Fixed(const CControlUI& c)
{
    return std::to_string(c.GetFixedXY().cx) + "," + std::to_string(c.GetFixedXY().cy) + " " +
           std::to_string(c.GetFixedWidth()) + "x" + std::to_string(c.GetFixedHeight());
}

} // namespace

TEST(AttributeList, ReadsQuotedPairsStepsDoubleByteCharactersWholeAndStopsAtTheFirstFault)
{
    // A second space becomes part of the next name.
    EXPECT_EQ(ReadAll("a=\"1\"  b=\"2\""), (Pairs{{"a", "1"}, {" b", "2"}}));
    // "\x81\x22" is one GBK character whose trail byte is a quote.
    EXPECT_EQ(ReadAll("text=\"\x81\x22x\" b=\"2\""), (Pairs{{"text", "\x81\x22x"}, {"b", "2"}}));
    for (const char* faulty : {"a=\"1\" b=2", "a=\"1\" b=\"unterminated", "a=\"1\"b=\"2\""})
        EXPECT_EQ(ReadAll(faulty), (Pairs{{"a", "1"}})) << faulty;
    EXPECT_TRUE(ReadAll(nullptr).empty());
}

TEST(AttributeValue, BooleansIntegersColoursAndLists)
{
    EXPECT_FALSE(CAttributeValue::ParseBool(nullptr));
    const std::pair<const char*, int> ints[] = {
        {"  -17px", -17}, {nullptr, 0}, {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN}};
    for (const auto& c : ints) EXPECT_EQ(CAttributeValue::ParseInt(c.first), c.second) << (c.first ? c.first : "");
    // Six digits leave alpha 0 (fully transparent); too many digits saturate.
    const std::pair<const char*, unsigned> colours[] = {
        {"#112233", 0x00112233u}, {"#12G4", 0x12u}, {nullptr, 0u}, {"#123456789", 0xFFFFFFFFu}};
    for (const auto& c : colours)
        EXPECT_EQ(CAttributeValue::ParseColor(c.first), c.second) << (c.first ? c.first : "(null)");
    // The buffer continues after the terminator: the parser must not step over it.
    const char stops[] = "5,6\0"
                         "7,8";
    EXPECT_EQ(List(stops, 4, 4), (std::vector<int>{5, 6, 0, 0}));
    // An overlong list leaves what lies past the count alone.
    EXPECT_EQ(List("1,2,3,4,5,6", 2, 3), (std::vector<int>{1, 2, 77}));
}

TEST(ControlAttribute, PosAnchorsNegativeEdgesRefusesNegativeSizesAndClampsLengths)
{
    CControlUI c;
    c.SetAttribute("pos", "-100,10,-10,30");
    EXPECT_EQ(Fixed(c), "-10,10 90x20");
    // right and bottom read as 0: negative sizes are refused, the earlier ones stay.
    c.SetAttribute("pos", "10,20");
    EXPECT_EQ(Fixed(c), "10,20 90x20");
    // Lengths beyond any real skin are clamped, and extreme numbers do not overflow.
    const int max = CMarkupBounds::kMaxLength;
    const std::string m = std::to_string(max);
    c.SetAttribute("pos", "-2147483648,-2147483648,-99999999,2147483647");
    EXPECT_EQ(Fixed(c), "-" + m + "," + m + " " + m + "x" + m);
    c.SetAttribute("maxheight", "2147483647");
    EXPECT_EQ(c.GetMaxHeight(), max);
    c.SetAttribute("padding", "-2147483648,2147483647,40000,5");
    EXPECT_EQ(c.GetPadding().left, -max);
    EXPECT_EQ(c.GetPadding().top, max);
}

// A null name names no interface and no attribute, and a null value is an empty one, for every class.
TEST(ControlAttribute, NullNamesAndValuesReachNoClassUnchecked)
{
    std::istringstream classes(
        "Control Container VerticalLayout HorizontalLayout TabLayout Label Text Button Option "
        "CheckBox Edit RichEdit Combo ComboBox ScrollBar Progress List ListHeader ListHeaderItem "
        "ListTextElement ListLabelElement ListContainerElement TreeView");
    // Names that classes handle themselves before their base sees them.
    const char* const names[] = {"name",      "text",        "selected",    "group",   "normalimage", "arrowimage",
                                 "itemalign", "itembkimage", "textpadding", "dropbox", "readonly",    "hor",
                                 "sepheight", "sepwidth",    "selectedid",  "inset",   "bkimage"};
    for (std::string name; classes >> name;) {
        std::unique_ptr<CControlUI> c(CControlFactory::Create(name.c_str()));
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->GetInterface(nullptr), nullptr) << name;
        EXPECT_NE(c->GetInterface("Control"), nullptr) << name;
        c->SetAttribute("name", "kept");
        c->SetAttribute(nullptr, "lost");
        EXPECT_STREQ(c->GetName(), "kept") << name;
        for (const char* attribute : names) c->SetAttribute(attribute, nullptr);
        EXPECT_STREQ(c->GetName(), "") << name;
        EXPECT_STREQ(c->GetText(), "") << name;
        auto* item = static_cast<IListItemUI*>(c->GetInterface("ListItem"));
        EXPECT_TRUE(item == nullptr || !item->IsSelected()) << name;
    }
}
