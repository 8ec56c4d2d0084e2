#pragma once
#include "SkinUI/Core/ContainerUI.h"

namespace SkinUI {

// Shows one child, the selected page, over the inner area; the others are hidden.
class CTabLayoutUI : public CContainerUI {
public:
    CTabLayoutUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    void RemoveAll() override;
    void SetPos(RECT rc) override;
    void SetAttribute(const char* pstrName, const char* pstrValue) override;

    int GetCurSel() const;
    bool SelectItem(int iIndex);

private:
    void PlacePage(CControlUI& page, const RECT& rcInset);

    int m_iCurSel = -1;
};

} // namespace SkinUI
