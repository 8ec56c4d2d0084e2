#pragma once
#include "SkinUI/Control/LabelUI.h"

namespace SkinUI {

// Multi-line text whose html links send "link".
class CTextUI : public CLabelUI {
public:
    enum { kMaxLinks = 8 };

    CTextUI();

    const char* GetClass() const override;
    LPVOID GetInterface(const char* pstrName) override;
    UINT GetControlFlags() const override;
    void DoEvent(TEventMsg& event) override;
    SIZE EstimateSize(SIZE szAvailable) override;
    void PaintText(HDC hDC) override;

    int GetLinkCount() const;
    RECT GetLinkRect(int index) const;
    CUIString GetLinkContent(int index) const;
    int GetHotLink() const;

private:
    // The index of the link under the point, or -1.
    int LinkAt(POINT pt) const;
    bool OnLinkEvent(TEventMsg& event);

    int m_nLinks = 0;
    RECT m_rcLinks[kMaxLinks] = {};
    CUIString m_sLinks[kMaxLinks];
    int m_nHoverLink = -1;
};

} // namespace SkinUI
