#include <gtest/gtest.h>

#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "app/controls/LabelAndComboUI.h"
#include "app/controls/LabelAndEditUI.h"
#include "tests/SkinUI/support/TestWindow.h"

using namespace SkinUI;

namespace {

// An edit row over a list row, 50-wide labels, in a 200 x 100 window.
class LabelRowWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPaintManagerUI::SetInstance(::GetModuleHandleA(nullptr));
        auto* root = new CVerticalLayoutUI;
        root->SetBkColor(0xFFFFFFFF);
        root->Add(m_editRow = new CLabelAndEditUI("Edit", 50, &m_edit, &m_editLabel));
        root->Add(m_comboRow = new CLabelAndComboUI("List", 50, &m_list, &m_listLabel));
        ASSERT_TRUE(m_window.GetManager().AttachDialog(root));
        root->SetPos(RECT{0, 0, 200, 100});
    }

    COLORREF Middle(CControlUI* control)
    {
        m_window.Repaint();
        const RECT rc = control->GetPos();
        return m_window.PrintPixel((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }

    void SetRowsEnabled(bool enabled)
    {
        m_editRow->SetEnabled(enabled);
        m_comboRow->SetEnabled(enabled);
    }

    CTestWindow m_window{200, 100};
    CLabelAndEditUI* m_editRow = nullptr;
    CLabelAndComboUI* m_comboRow = nullptr;
    CEditUI* m_edit = nullptr;
    CLabelUI* m_editLabel = nullptr;
    CComboBoxUI* m_list = nullptr;
    CLabelUI* m_listLabel = nullptr;
};

} // namespace

TEST_F(LabelRowWindowTest, DisablingGreysBothPartsAndEnablingRestores)
{
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(Middle(m_list), blue);
    SetRowsEnabled(false);
    for (CControlUI* part : std::initializer_list<CControlUI*>{m_edit, m_editLabel, m_list, m_listLabel})
        EXPECT_FALSE(part->IsEnabled()) << part->GetText().GetData();
    EXPECT_EQ(Middle(m_edit), red);
    EXPECT_EQ(Middle(m_list), red);

    // Parts disabled alone are enabled again with their row.
    SetRowsEnabled(true);
    m_edit->SetEnabled(false);
    m_listLabel->SetEnabled(false);
    SetRowsEnabled(true);
    for (CControlUI* part : std::initializer_list<CControlUI*>{m_edit, m_editLabel, m_list, m_listLabel})
        EXPECT_TRUE(part->IsEnabled()) << part->GetText().GetData();
}

TEST(LabelRowTest, TheLabelsPlaceIsOptional)
{
    CEditUI* edit = nullptr;
    CLabelAndEditUI bareEdit("A", 10, &edit);
    EXPECT_EQ(bareEdit.GetItemAt(1), edit);
    CComboBoxUI* list = nullptr;
    CLabelAndComboUI bareList("B", 10, &list);
    EXPECT_EQ(bareList.GetItemAt(1), list);
}
