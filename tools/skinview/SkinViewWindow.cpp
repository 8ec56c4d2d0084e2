#include "SkinViewWindow.h"

CSkinViewWindow::CSkinViewWindow(const char* skinFile)
    : WindowImplBase(0, 0)
    , m_sSkinFile(skinFile)
{}

SkinUI::CUIString CSkinViewWindow::GetSkinFile()
{
    return m_sSkinFile;
}

int CSkinViewWindow::GetSkinSource()
{
    // Anything but the built-in markup: the skin is the file.
    return 0;
}

void CSkinViewWindow::OnFinalMessage(HWND hWnd)
{
    WindowImplBase::OnFinalMessage(hWnd);
    ::PostQuitMessage(0);
}
