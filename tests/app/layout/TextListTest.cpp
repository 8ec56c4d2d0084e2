#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "app/TextList.h"

namespace {

class TextListTest : public ::testing::Test {
protected:
    TextListTest()
    {
        for (auto& control : controls) {
            control = std::make_unique<SkinUI::CControlUI>();
            control->SetFixedWidth(1);
            list.Add(control.get(), "zh", "en");
        }
    }

    std::array<int, 5> Widths() const
    {
        std::array<int, 5> widths = {};
        for (size_t i = 0; i < controls.size(); ++i) widths[i] = controls[i]->GetFixedWidth();
        return widths;
    }

    std::array<std::unique_ptr<SkinUI::CControlUI>, 5> controls;
    SkinUI::CControlUI stranger;
    CTextList list;
};

TEST_F(TextListTest, WidthRangeCoversFirstToLastOnlyWithBothEndsInOrder)
{
    // A last control without a record, or one before the first, must not run to the end of the list.
    list.SetWidthRange(&stranger, controls[3].get(), 40);
    list.SetWidthRange(nullptr, controls[3].get(), 40);
    list.SetWidthRange(controls[1].get(), &stranger, 40);
    list.SetWidthRange(controls[3].get(), controls[1].get(), 40);
    EXPECT_EQ(Widths(), (std::array<int, 5>{1, 1, 1, 1, 1}));
    EXPECT_EQ(stranger.GetFixedWidth(), 0);
    list.SetWidthRange(controls[1].get(), controls[3].get(), 40);
    list.SetWidthRange(controls[4].get(), controls[4].get(), 7);
    EXPECT_EQ(Widths(), (std::array<int, 5>{1, 40, 40, 40, 7}));
}

TEST_F(TextListTest, RecordsKeepOwnCopiesAndSkipNullControls)
{
    char chinese[] = "abc";
    char english[] = "xyz";
    SkinUI::CControlUI extra;
    list.Add(nullptr, "n", "n");
    list.Add(&extra, chinese, english);
    chinese[0] = english[0] = '!';
    ASSERT_EQ(list.Count(), 6u);
    list.ApplyTexts(true);
    EXPECT_EQ(std::string(extra.GetText().GetData()), "abc");
    EXPECT_EQ(std::string(controls[0]->GetText().GetData()), "zh");
    list.ApplyTexts(false);
    EXPECT_EQ(std::string(extra.GetText().GetData()), "xyz");
}

} // namespace
