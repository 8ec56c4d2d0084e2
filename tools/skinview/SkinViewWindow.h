#pragma once
#include "SkinUI/Utils/WindowImplBase.h"

// Shows one skin file from the resource path; closing it ends the message loop.
class CSkinViewWindow : public SkinUI::WindowImplBase {
public:
    explicit CSkinViewWindow(const char* skinFile);

protected:
    SkinUI::CUIString GetSkinFile() override;
    int GetSkinSource() override;
    void OnFinalMessage(HWND hWnd) override;

private:
    SkinUI::CUIString m_sSkinFile;
};
