#include "app/MainWindowBuilder.h"

CMainWindowBuilder::CMainWindowBuilder(MainControls& controls) : m_controls(controls) {}

SkinUI::CHorizontalLayoutUI* CMainWindowBuilder::BuildTitleBar() { return new SkinUI::CHorizontalLayoutUI; }
SkinUI::CHorizontalLayoutUI* CMainWindowBuilder::BuildMenuBar() { return new SkinUI::CHorizontalLayoutUI; }
SkinUI::CHorizontalLayoutUI* CMainWindowBuilder::BuildBody() { return new SkinUI::CHorizontalLayoutUI; }
void CMainWindowBuilder::BuildMenuPanels(SkinUI::CContainerUI*) {}
