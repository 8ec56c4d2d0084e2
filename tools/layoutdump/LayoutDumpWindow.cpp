#include "LayoutDumpWindow.h"

#include "app/LanguageLayout.h"
#include "app/MainTexts.h"
#include "app/MainWindowBuilder.h"

namespace {

// The main window's skin size.
const int kSkinWidth = 588;
const int kSkinHeight = 489;
// Enough rounds for a layout that asks for another one while painting.
const int kPaintRounds = 8;

} // namespace

CLayoutDumpWindow::CLayoutDumpWindow(bool chinese)
    : WindowImplBase(kSkinWidth, kSkinHeight)
    , m_chinese(chinese)
{}

void CLayoutDumpWindow::OnSkinReady()
{
    auto* main = static_cast<SkinUI::CContainerUI*>(m_PaintManager.FindControl("main"));
    if (main == nullptr) return;
    CMainWindowBuilder builder(m_controls);
    main->Add(builder.BuildTitleBar());
    main->Add(builder.BuildMenuBar());
    main->Add(builder.BuildBody());
    builder.BuildMenuPanels(main);
    AddTextPairs(m_texts, m_controls);
    ApplyLanguage(m_controls, m_texts, m_chinese);
    m_panel.SetChinese(m_chinese);
    // The Unlock buttons appear with the value lists, and they take room.
    m_operations.FillValueLists();
}

void CLayoutDumpWindow::Settle()
{
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    for (int i = 0; i < kPaintRounds && ::GetUpdateRect(m_hWnd, nullptr, FALSE); ++i) {
        ::UpdateWindow(m_hWnd);
        MSG msg = {};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!SkinUI::CPaintManagerUI::TranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
}
