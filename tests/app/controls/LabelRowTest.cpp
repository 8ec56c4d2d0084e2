#include <gtest/gtest.h>

#include "app/controls/LabelAndComboUI.h"
#include "app/controls/LabelAndEditUI.h"

using namespace SkinUI;

// A row enables and disables its label with its field, parts disabled alone included;
// the label's place may be left out.
TEST(LabelRowTest, RowEnablesBothPartsAndTheLabelsPlaceIsOptional)
{
    CEditUI* edit = nullptr;
    CLabelUI* label = nullptr;
    CLabelAndEditUI editRow("Edit", 50, &edit, &label);
    CComboBoxUI* list = nullptr;
    CLabelAndComboUI listRow("List", 50, &list);
    editRow.SetEnabled(false);
    listRow.SetEnabled(false);
    EXPECT_FALSE(edit->IsEnabled() || label->IsEnabled() || list->IsEnabled());
    edit->SetEnabled(false);
    editRow.SetEnabled(true);
    listRow.SetEnabled(true);
    EXPECT_TRUE(edit->IsEnabled() && label->IsEnabled() && list->IsEnabled());
    EXPECT_EQ(listRow.GetItemAt(1), list);
}
