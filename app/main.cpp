#include <windows.h>

#include <objbase.h>

#include "SkinUI/Core/PaintManagerUI.h"
#include "app/DlgMain.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    SkinUI::CPaintManagerUI::SetInstance(instance);
    if (FAILED(::CoInitialize(nullptr))) return 0;
    auto* window = new DlgMain;
    SkinUI::CPaintManagerUI::MessageLoop();
    ::CoUninitialize();
    delete window;
    return 0;
}
