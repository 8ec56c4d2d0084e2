#include <gtest/gtest.h>

#include <string>

#include "app/TextList.h"

// A width range runs from its first control to its last only when both have records, in that
// order (otherwise it would run to the end of the list); records keep copies of their texts.
TEST(TextListTest, WidthRangesNeedBothEndsInOrderAndRecordsKeepOwnCopies)
{
    SkinUI::CControlUI controls[5], stranger;
    CTextList list;
    for (SkinUI::CControlUI& control : controls) {
        control.SetFixedWidth(1);
        list.Add(&control, "zh", "en");
    }
    const auto widths = [&controls] {
        std::string text;
        for (const SkinUI::CControlUI& control : controls) text += std::to_string(control.GetFixedWidth()) + " ";
        return text;
    };
    list.SetWidthRange(&stranger, &controls[3], 40);
    list.SetWidthRange(nullptr, &controls[3], 40);
    list.SetWidthRange(&controls[1], &stranger, 40);
    list.SetWidthRange(&controls[3], &controls[1], 40);
    EXPECT_EQ(widths(), "1 1 1 1 1 ");
    EXPECT_EQ(stranger.GetFixedWidth(), 0);
    list.SetWidthRange(&controls[1], &controls[3], 40);
    list.SetWidthRange(&controls[4], &controls[4], 7);
    EXPECT_EQ(widths(), "1 40 40 40 7 ");

    char chinese[] = "abc";
    char english[] = "xyz";
    SkinUI::CControlUI extra;
    list.Add(nullptr, "n", "n");
    list.Add(&extra, chinese, english);
    chinese[0] = english[0] = '!';
    ASSERT_EQ(list.Count(), 6u);
    list.ApplyTexts(true);
    EXPECT_EQ(std::string(extra.GetText().GetData()), "abc");
    EXPECT_EQ(std::string(controls[0].GetText().GetData()), "zh");
    list.ApplyTexts(false);
    EXPECT_EQ(std::string(extra.GetText().GetData()), "xyz");
}
