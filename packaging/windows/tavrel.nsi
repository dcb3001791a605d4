; The Windows installer of Tavrel: both programs and the diagrams under Program Files, the Start-menu
; entry, an optional desktop shortcut, the .tvrl file type and the uninstaller in Apps & features.
; Silent for administrators: tavrel-VERSION-setup.exe /S, and uninstall.exe /S.
; Built by scripts/package-windows, which defines:
;   VERSION  the program's version           STAGE    the staged files of packaging/windows/window-files.txt
;   FILES    the folder of the generated File and Delete lines for them
;   ICON     the program's .ico              OUTFILE  the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tavrel"
!define MENU_NAME "钢筋混凝土盖板涵盖板计算"
!define UNINSTALLER "uninstall.exe" ; the program takes its presence as the mark of an installed copy
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FILE_TYPE "Tavrel.InputFile"

Name "${MENU_NAME}"
Caption "${MENU_NAME} ${VERSION} 安装"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${MENU_NAME} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrel.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; Shortcuts and file types for every user of the computer.
Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "${MENU_NAME}" SecProgram
    SectionIn RO
    !include "${FILES}\window-install.nsh"
    File "${STAGE}\tavrel-cli.exe"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "$SMPROGRAMS\${MENU_NAME}.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0

    ; A double-click on a .tvrl file opens it in the window, as "tavrel FILE.tvrl" does.
    WriteRegStr HKLM "Software\Classes\.tvrl" "" "${FILE_TYPE}"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "盖板涵盖板计算输入文件"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tavrel.exe,0"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\tavrel.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${MENU_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0 ; KiB
SectionEnd

Section /o "桌面快捷方式" SecDesktop
    CreateShortCut "$DESKTOP\${MENU_NAME}.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "计算程序、命令行程序、计算书图例和 .tvrl 文件关联"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "在桌面上放一个快捷方式"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes what the installer put there; each user's last input (%APPDATA%\Tavrel) stays theirs.
Section "Uninstall"
    !include "${FILES}\window-uninstall.nsh"
    Delete "$INSTDIR\tavrel-cli.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${MENU_NAME}.lnk"
    Delete "$DESKTOP\${MENU_NAME}.lnk"
    ReadRegStr $0 HKLM "Software\Classes\.tvrl" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.tvrl"
    DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
