#pragma once
#include "SkinUI/Control/ListElementUI.h"

namespace SkinUI {

// A list row showing one text in the owner's item style.
class CListLabelElementUI : public CListElementUI {
public:
    CListLabelElementUI() = default;

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    void DoEvent(TEventMsg& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void DrawItemText(HDC hDC, const RECT& rcItem) override;

private:
    DWORD ItemTextColor(const TListItemStyle& style) const;
};

} // namespace SkinUI
