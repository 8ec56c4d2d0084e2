#pragma once
#include "SkinUI/Utils/WindowImplBase.h"
#include "app/MainControls.h"
#include "app/MainRadioPanel.h"
#include "app/TextList.h"
#include "radio/ComRadioLink.h"
#include "radio/RadioOperations.h"

// The main window's controls built and laid out as the program builds them,
// in one language, with its value lists, without its commands or settings.
class CLayoutDumpWindow : public SkinUI::WindowImplBase {
public:
    explicit CLayoutDumpWindow(bool chinese);

    MainControls& Controls() { return m_controls; }
    CMainRadioPanel& Panel() { return m_panel; }
    // Lays out and paints until nothing is pending.
    void Settle();

protected:
    void OnSkinReady() override;

private:
    bool m_chinese = true;
    MainControls m_controls;
    CTextList m_texts;
    CMainRadioPanel m_panel{m_controls};
    CComRadioLink m_link{m_panel};
    CRadioOperations m_operations{m_panel, m_link};
};
