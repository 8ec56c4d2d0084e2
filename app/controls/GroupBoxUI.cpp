#include "app/controls/GroupBoxUI.h"

#include <cstring>

#include "SkinUI/Layout/HorizontalLayoutUI.h"

using SkinUI::CControlUI;
using SkinUI::CHorizontalLayoutUI;
using SkinUI::CVerticalLayoutUI;

namespace {

constexpr DWORD kLineColor = 0xFF888888;

// Width of a title label: bytes x perByteTenths / 10 + 2, truncated; integer tenths keep it exact.
int TitleWidth(const char* title, int perByteTenths)
{
    const int bytes = static_cast<int>(std::strlen(title));
    return (bytes * perByteTenths + 20) / 10;
}

CControlUI* NewLine(bool vertical)
{
    CControlUI* line = new CControlUI;
    line->SetBkColor(kLineColor);
    if (vertical)
        line->SetFixedWidth(1);
    else
        line->SetFixedHeight(1);
    return line;
}

CHorizontalLayoutUI* NewCorner(bool left)
{
    CHorizontalLayoutUI* corner = new CHorizontalLayoutUI;
    corner->SetInset(RECT{0, 6, 0, 0});
    if (left) {
        corner->SetFixedWidth(11);
        corner->Add(NewLine(true));
        corner->Add(NewLine(false));
    } else {
        corner->Add(NewLine(false));
        corner->Add(NewLine(true));
    }
    return corner;
}

} // namespace

CGroupBoxUI::CGroupBoxUI(const char* title)
{
    const char* text = title != nullptr ? title : "";
    CHorizontalLayoutUI* top = new CHorizontalLayoutUI;
    top->SetFixedHeight(12);
    top->Add(NewCorner(true));
    if (*text != '\0') {
        m_titleLabel = new SkinUI::CLabelUI;
        m_titleLabel->SetText(text);
        m_titleLabel->SetTextStyle(DT_CENTER | DT_VCENTER);
        m_titleLabel->SetTextPadding(RECT{1, 0, 0, 0});
        m_titleLabel->SetFixedWidth(TitleWidth(text, 63));
        top->Add(m_titleLabel);
    }
    top->Add(NewCorner(false));

    m_content = new CVerticalLayoutUI;
    m_content->SetInset(RECT{12, 0, 12, 0});
    if (m_spread) m_content->Add(new CControlUI);

    CHorizontalLayoutUI* middle = new CHorizontalLayoutUI;
    middle->Add(NewLine(true));
    middle->Add(m_content);
    middle->Add(NewLine(true));

    CVerticalLayoutUI* frame = new CVerticalLayoutUI;
    frame->Add(top);
    frame->Add(middle);
    frame->Add(NewLine(false));
    CContainerUI::Add(frame);
}

bool CGroupBoxUI::Add(CControlUI* control)
{
    if (!m_content->Add(control)) return false;
    if (!m_spread) return true;
    CControlUI* gap = new CControlUI;
    if (m_content->Add(gap)) return true;
    delete gap;
    return false;
}

void CGroupBoxUI::SetTitle(const char* title)
{
    if (m_titleLabel == nullptr) return;
    const char* text = title != nullptr ? title : "";
    m_titleLabel->SetText(text);
    m_titleLabel->SetFixedWidth(TitleWidth(text, 67));
}
