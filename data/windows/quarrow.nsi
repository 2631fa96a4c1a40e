; The Windows installer: both programs in Program Files\Quarrow, a Start-menu entry, an uninstaller
; under "Apps & features". makensis -DVERSION=... -DBUILD=<build folder> -DSOURCE=<source folder>.
; Uninstalling leaves the user's settings (HKEY_CURRENT_USER\Software\Quarrow) and Scenery.cfg alone.
; A 64-bit installer for the 64-bit programs: Program Files and the registry's own view, no redirection.
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarrow"

Name "Quarrow"
OutFile "${BUILD}\quarrow-${VERSION}-setup.exe"
InstallDir "$PROGRAMFILES64\Quarrow"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${SOURCE}\data\windows\quarrow.ico"
!define MUI_UNICON "${SOURCE}\data\windows\quarrow.ico"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

Section "Quarrow"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${BUILD}\quarrow.exe"
    File "${BUILD}\tools\quarrow-cfg.exe"
    File "/oname=LICENSE.txt" "${SOURCE}\LICENSE"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quarrow.lnk" "$INSTDIR\quarrow.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quarrow"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Quarrow authors"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quarrow.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Quarrow.lnk"
    Delete "$INSTDIR\quarrow.exe"
    Delete "$INSTDIR\quarrow-cfg.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
