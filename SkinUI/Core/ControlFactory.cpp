#include "SkinUI/Core/ControlFactory.h"
#include "SkinUI/Control/ButtonUI.h"
#include "SkinUI/Control/CheckBoxUI.h"
#include "SkinUI/Control/ComboBoxUI.h"
#include "SkinUI/Control/ComboUI.h"
#include "SkinUI/Control/EditUI.h"
#include "SkinUI/Control/LabelUI.h"
#include "SkinUI/Control/ListContainerElementUI.h"
#include "SkinUI/Control/ListHeaderItemUI.h"
#include "SkinUI/Control/ListHeaderUI.h"
#include "SkinUI/Control/ListLabelElementUI.h"
#include "SkinUI/Control/ListTextElementUI.h"
#include "SkinUI/Control/ListUI.h"
#include "SkinUI/Control/OptionUI.h"
#include "SkinUI/Control/ProgressUI.h"
#include "SkinUI/Control/RichEditUI.h"
#include "SkinUI/Control/ScrollBarUI.h"
#include "SkinUI/Control/TextUI.h"
#include "SkinUI/Control/TreeViewUI.h"
#include "SkinUI/Core/ContainerUI.h"
#include "SkinUI/Core/ControlUI.h"
#include "SkinUI/Layout/HorizontalLayoutUI.h"
#include "SkinUI/Layout/TabLayoutUI.h"
#include "SkinUI/Layout/VerticalLayoutUI.h"
#include "SkinUI/Utils/UIName.h"

namespace SkinUI {

namespace {

template <class T> CControlUI* Make()
{
    return new T();
}

struct TFactoryEntry {
    const char* name;
    CControlUI* (*create)();
};

const TFactoryEntry kEntries[] = {
    {"Control", &Make<CControlUI>},
    {"Container", &Make<CContainerUI>},
    {"VerticalLayout", &Make<CVerticalLayoutUI>},
    {"HorizontalLayout", &Make<CHorizontalLayoutUI>},
    {"TabLayout", &Make<CTabLayoutUI>},
    {"Label", &Make<CLabelUI>},
    {"Text", &Make<CTextUI>},
    {"Button", &Make<CButtonUI>},
    {"Option", &Make<COptionUI>},
    {"CheckBox", &Make<CCheckBoxUI>},
    {"Edit", &Make<CEditUI>},
    {"RichEdit", &Make<CRichEditUI>},
    {"Combo", &Make<CComboUI>},
    {"ComboBox", &Make<CComboBoxUI>},
    {"ScrollBar", &Make<CScrollBarUI>},
    {"Progress", &Make<CProgressUI>},
    {"List", &Make<CListUI>},
    {"ListHeader", &Make<CListHeaderUI>},
    {"ListHeaderItem", &Make<CListHeaderItemUI>},
    {"ListTextElement", &Make<CListTextElementUI>},
    {"ListLabelElement", &Make<CListLabelElementUI>},
    {"ListContainerElement", &Make<CListContainerElementUI>},
    {"TreeView", &Make<CTreeViewUI>},
};

} // namespace

CControlUI* CControlFactory::Create(const char* pstrClass)
{
    if (pstrClass == nullptr) return nullptr;
    for (const TFactoryEntry& entry : kEntries) {
        if (CUIName::Equals(entry.name, pstrClass)) return entry.create();
    }
    return nullptr;
}

} // namespace SkinUI
