; The RadioConfig installer, made by tools/package.sh with
;   makensis -DVERSION=a.b.c.d -DVERSION_TEXT=Vaaa.bb.cc -DPUBLISHER=... -DSTAGE=DIR -DICON=FILE -DOUTFILE=FILE
; STAGE holds what the zip holds: the two programs, README.txt, sample.cfg and licenses\.
; Language: Chinese or English, whichever the system's language is (English otherwise).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define PRODUCT "RadioConfig"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Every window of the program registers this class.
!define WINDOW_CLASS "^_^"

Name "${PRODUCT} ${VERSION_TEXT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the installed version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER} ${PRODUCT} ${VERSION_TEXT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\RadioConfig.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ProgramRunning ${LANG_ENGLISH} "RadioConfig is running. Close it, then press Retry."
LangString ProgramRunning ${LANG_SIMPCHINESE} "RadioConfig 正在运行。请先关闭它，再按“重试”。"
LangString ShortcutComment ${LANG_ENGLISH} "Configure the UHF data radio"
LangString ShortcutComment ${LANG_SIMPCHINESE} "配置外置电台"

VIProductVersion ${VERSION}
VIFileVersion ${VERSION}
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION_TEXT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION_TEXT}"

; A running program keeps its files: replacing or removing them would fail half-way.
; Silent runs (/S) give up at once, with exit code 2.
!macro WAIT_UNTIL_PROGRAM_CLOSED
  check:
    FindWindow $0 "${WINDOW_CLASS}"
    StrCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY check
    Abort
  closed:
!macroend

Function .onInit
  !insertmacro WAIT_UNTIL_PROGRAM_CLOSED
FunctionEnd

Function un.onInit
  !insertmacro WAIT_UNTIL_PROGRAM_CLOSED
FunctionEnd

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\RadioConfig.exe"
  File "${STAGE}\radiocfg.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\sample.cfg"
  SetOutPath "$INSTDIR\licenses"
  File "${STAGE}\licenses\*.txt"
  ; The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\RadioConfig.exe" "" "$INSTDIR\RadioConfig.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutComment)"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\RadioConfig.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The operator's settings (HKCU\Software\DurazeR) stay: a later installation finds them again.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\RadioConfig.exe"
  Delete "$INSTDIR\radiocfg.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\sample.cfg"
  Delete "$INSTDIR\licenses\*.txt"
  RMDir "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the operator put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
