#pragma once
#include <windows.h>

namespace SkinUI {

// Keeps the graphics library started for the lifetime of the object.
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    bool IsStarted() const;

private:
    ULONG_PTR m_token = 0;
    bool m_bStarted = false;
};

} // namespace SkinUI
