#include <gtest/gtest.h>

#include "app/controls/LabelAndComboUI.h"
#include "app/controls/LabelAndEditUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

void ExpectRect(const RECT& rc, int left, int top, int right, int bottom, const char* what)
{
    EXPECT_EQ(rc.left, left) << what;
    EXPECT_EQ(rc.top, top) << what;
    EXPECT_EQ(rc.right, right) << what;
    EXPECT_EQ(rc.bottom, bottom) << what;
}

}  // namespace

TEST(LabelRowTest, LabelThenFieldWithTheirLooks)
{
    CEditUI* edit = nullptr;
    CLabelUI* editLabel = nullptr;
    CLabelAndEditUI editRow("Frequency", 70, &edit, &editLabel);
    ASSERT_EQ(editRow.GetCount(), 2);
    EXPECT_EQ(editRow.GetItemAt(0), editLabel);
    EXPECT_EQ(editRow.GetItemAt(1), edit);
    EXPECT_EQ(editRow.GetFixedHeight(), 23);
    EXPECT_STREQ(editLabel->GetText().GetData(), "Frequency");
    EXPECT_EQ(editLabel->GetFixedWidth(), 70);
    EXPECT_EQ(editLabel->GetTextStyle(), static_cast<UINT>(DT_RIGHT | DT_VCENTER));
    ExpectRect(editLabel->GetTextPadding(), 0, 0, 2, 0, "edit label padding");

    CComboBoxUI* list = nullptr;
    CLabelUI* listLabel = nullptr;
    CLabelAndComboUI comboRow("Protocol", 60, &list, &listLabel);
    ASSERT_EQ(comboRow.GetCount(), 2);
    EXPECT_EQ(comboRow.GetItemAt(0), listLabel);
    EXPECT_EQ(comboRow.GetItemAt(1), list);
    EXPECT_EQ(comboRow.GetFixedHeight(), 22);
    ExpectRect(comboRow.GetInset(), 0, 1, 0, 1, "combo row inset");
    EXPECT_EQ(listLabel->GetFixedWidth(), 60);
    const UINT style = listLabel->GetTextStyle();
    EXPECT_EQ(style & (DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0u);
    EXPECT_EQ(style & DT_RIGHT, static_cast<UINT>(DT_RIGHT));
    ExpectRect(listLabel->GetTextPadding(), 0, 2, 2, 0, "list label padding");

    // The label's place is optional.
    CLabelAndEditUI bareEdit("A", 10, &edit);
    EXPECT_EQ(bareEdit.GetItemAt(1), edit);
    CLabelAndComboUI bareList("B", 10, &list);
    EXPECT_EQ(bareList.GetItemAt(1), list);
}

class LabelRowWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
        m_root = new CVerticalLayoutUI;
        m_root->SetBkColor(0xFFFFFFFF);
        m_editRow = new CLabelAndEditUI("Edit", 50, &m_edit, &m_editLabel);
        m_comboRow = new CLabelAndComboUI("List", 50, &m_list, &m_listLabel);
        m_root->Add(m_editRow);
        m_root->Add(m_comboRow);
        ASSERT_TRUE(m_window.GetManager().AttachDialog(m_root));
        m_root->SetPos(RECT{0, 0, 200, 100});
    }

    COLORREF Middle(CControlUI* control)
    {
        m_window.Repaint();
        const RECT rc = control->GetPos();
        return m_window.PrintPixel((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }

    CTestWindow m_window{200, 100};
    CVerticalLayoutUI* m_root = nullptr;
    CLabelAndEditUI* m_editRow = nullptr;
    CLabelAndComboUI* m_comboRow = nullptr;
    CEditUI* m_edit = nullptr;
    CLabelUI* m_editLabel = nullptr;
    CComboBoxUI* m_list = nullptr;
    CLabelUI* m_listLabel = nullptr;
};

TEST_F(LabelRowWindowTest, RowsLayOutLabelThenField)
{
    ExpectRect(m_editLabel->GetPos(), 0, 0, 50, 23, "edit label");
    ExpectRect(m_edit->GetPos(), 50, 0, 200, 23, "edit");
    ExpectRect(m_listLabel->GetPos(), 0, 24, 50, 44, "list label");
    ExpectRect(m_list->GetPos(), 50, 24, 200, 44, "list");
}

TEST_F(LabelRowWindowTest, DisablingGreysBothPartsAndEnablingRestores)
{
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(Middle(m_edit), blue);
    EXPECT_EQ(Middle(m_list), blue);

    m_editRow->SetEnabled(false);
    m_comboRow->SetEnabled(false);
    for (CControlUI* part : {static_cast<CControlUI*>(m_editRow), static_cast<CControlUI*>(m_comboRow),
                             static_cast<CControlUI*>(m_edit), static_cast<CControlUI*>(m_editLabel),
                             static_cast<CControlUI*>(m_list), static_cast<CControlUI*>(m_listLabel)}) {
        EXPECT_FALSE(part->IsEnabled()) << part->GetText().GetData();
    }
    EXPECT_EQ(Middle(m_edit), red);
    EXPECT_EQ(Middle(m_list), red);

    m_editRow->SetEnabled(true);
    m_comboRow->SetEnabled(true);
    EXPECT_TRUE(m_edit->IsEnabled() && m_editLabel->IsEnabled() && m_editRow->IsEnabled());
    EXPECT_TRUE(m_list->IsEnabled() && m_listLabel->IsEnabled() && m_comboRow->IsEnabled());
    EXPECT_EQ(Middle(m_edit), blue);
    EXPECT_EQ(Middle(m_list), blue);
}

TEST_F(LabelRowWindowTest, PartsDisabledAloneAreEnabledAgainWithTheRow)
{
    m_edit->SetEnabled(false);
    m_listLabel->SetEnabled(false);
    m_editRow->SetEnabled(true);
    m_comboRow->SetEnabled(true);
    EXPECT_TRUE(m_edit->IsEnabled());
    EXPECT_TRUE(m_listLabel->IsEnabled());
}
