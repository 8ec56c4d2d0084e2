#include "SkinUI/Control/GdiplusSession.h"
#include <algorithm>
#include <objidl.h>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

namespace SkinUI {

CGdiplusSession::CGdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    m_bStarted = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_bStarted) Gdiplus::GdiplusShutdown(m_token);
}

bool CGdiplusSession::IsStarted() const
{
    return m_bStarted;
}

} // namespace SkinUI
