#pragma once
#include <windows.h>
#include "SkinUI/Utils/WindowImplBase.h"

namespace SkinUI {
class CButtonUI;
class CControlUI;
} // namespace SkinUI

// The modal About window: product line, web and mail links, OK.
class DlgAbout : public SkinUI::WindowImplBase {
public:
    // Opens an address in the system's browser or mail program.
    using LinkOpener = void (*)(const char* address);

    // Builds, centres and shows the window owned by owner, and returns once it is closed.
    explicit DlgAbout(HWND owner, bool chinese);

    static void Show(HWND owner, bool chinese);
    // Replaces the opener (null restores the shell's); returns the one it replaces.
    static LinkOpener SetLinkOpener(LinkOpener opener);

    void Notify(SkinUI::TNotifyMsg& msg) override;

protected:
    void OnSkinReady() override;
    LRESULT OnCloseMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    LRESULT OnSysCommandMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    SkinUI::CControlUI* BuildTitleBar();
    SkinUI::CControlUI* BuildBody();
    SkinUI::CControlUI* BuildTextColumn();
    SkinUI::CControlUI* BuildButtonColumn();
    void OnClick(const SkinUI::CControlUI* pSender);

    bool m_bChinese = false;
    SkinUI::CButtonUI* m_pCloseButton = nullptr;
    SkinUI::CButtonUI* m_pOkButton = nullptr;
    SkinUI::CButtonUI* m_pWebLink = nullptr;
    SkinUI::CButtonUI* m_pMailLink = nullptr;
};
