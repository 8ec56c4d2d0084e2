#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>
#include "SkinUI/Core/UIRender.h"
#include "SkinUI/Utils/UIString.h"

namespace SkinUI {

struct TFontInfo {
    HFONT hFont = nullptr;
    CUIString sFontName;
    int iSize = 0;
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    TEXTMETRICA tm = {};
};

// The resource tables and shared settings the drawing routines use.
class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    void Init(HWND hWnd);
    HDC GetPaintDC() const;

    HFONT AddFont(const char* name, int size, bool bold, bool underline, bool italic);
    HFONT GetFont(int index);
    HFONT GetFont(const char* name, int size, bool bold, bool underline, bool italic);
    TFontInfo* GetFontInfo(int index);
    TFontInfo* GetFontInfo(HFONT hFont);
    TFontInfo* GetDefaultFontInfo();
    void SetDefaultFont(const char* name, int size, bool bold, bool underline, bool italic);

    const TImageRec* GetImage(const char* name) const;
    const TImageRec* GetImageEx(const char* name, const char* type = nullptr, DWORD mask = 0);
    const TImageRec* AddImage(const char* name, const char* type = nullptr, DWORD mask = 0);

    DWORD GetDefaultLinkFontColor() const;
    DWORD GetDefaultLinkHoverFontColor() const;
    DWORD GetDefaultSelectedBkColor() const;
    POINT GetMousePos() const;
    void SetMousePos(POINT pt);

    static HINSTANCE GetInstance();
    static void SetInstance(HINSTANCE hInst);
    static HINSTANCE GetResourceInstance();
    static void SetResourceInstance(HINSTANCE hInst);
    static CUIString GetInstancePath();
    static const CUIString& GetResourcePath();
    static void SetResourcePath(const char* path);

private:
    static HFONT CreateSkinFont(const char* name, int size, bool bold, bool underline, bool italic);
    void Measure(TFontInfo& info);

    HWND m_hWndPaint = nullptr;
    HDC m_hDcPaint = nullptr;
    TFontInfo m_DefaultFontInfo;
    std::vector<TFontInfo*> m_aCustomFonts;
    std::map<std::string, TImageRec*> m_mImageHash;
    DWORD m_dwDefaultLinkFontColor = 0xFF0000FF;
    DWORD m_dwDefaultLinkHoverFontColor = 0xFFD3215F;
    DWORD m_dwDefaultSelectedBkColor = 0xFFBAE4FF;
    POINT m_ptLastMousePos = {-1, -1};

    static HINSTANCE m_hInstance;
    static HINSTANCE m_hResourceInstance;
    static CUIString m_pStrResourcePath;
};

} // namespace SkinUI
