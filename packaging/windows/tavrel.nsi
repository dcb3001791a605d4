; The Windows installer of Tavrel: the programs and their figures under Program Files, an uninstaller
; registered with Windows (Apps & features, with version and size), texts in Chinese and English.
; Built by the `installer` target:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.2 -DCLI=tavrel-cli.exe -DFIGURES=DIR -DOUTFILE=setup.exe
;            [-DWINDOW=DIR -DICON=tavrel.ico] tavrel.nsi
; Each program is one section; a program joins the installer as a section of its own. WINDOW is the
; folder of the window program's staged files (packaging/windows/window-files.txt) and of the File and
; Delete lines scripts/windows-files writes for them; with it come the Start-menu entry, an optional
; desktop shortcut and the .tvrl file type. Silent for administrators: SETUP.exe /S, uninstall.exe /S.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tavrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FIGURE_FOLDER "计算书图例"
; The program takes the uninstaller beside it as the mark of an installed copy (its last input then
; goes to %APPDATA%\Tavrel).
!define UNINSTALLER "uninstall.exe"
!define MENU_NAME "钢筋混凝土盖板涵盖板计算"
!define FILE_TYPE "Tavrel.InputFile"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!ifdef ICON
    !define MUI_ICON "${ICON}"
    !define MUI_UNICON "${ICON}"
!endif
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef WINDOW
    !define MUI_FINISHPAGE_RUN "$INSTDIR\tavrel.exe"
    !insertmacro MUI_PAGE_FINISH
!endif
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString DisplayName ${LANG_SIMPCHINESE} "Tavrel 钢筋混凝土盖板涵盖板计算"
LangString DisplayName ${LANG_ENGLISH} "Tavrel slab culvert cover slab design"
LangString Needs64Bit ${LANG_SIMPCHINESE} "Tavrel 需要 64 位 Windows。"
LangString Needs64Bit ${LANG_ENGLISH} "Tavrel needs 64-bit Windows."
LangString FileTypeName ${LANG_SIMPCHINESE} "盖板涵盖板计算输入文件"
LangString FileTypeName ${LANG_ENGLISH} "Slab culvert cover slab input"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all ; shortcuts and the file type for every user of the computer
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; The command-line program and the figures its reports show, which it finds beside itself.
Section "tavrel-cli" SectionCli
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${CLI}"
    SetOutPath "$INSTDIR\${FIGURE_FOLDER}"
    File "${FIGURES}\*.JPG"
SectionEnd

!ifdef WINDOW
; The window program with the Qt libraries and plugins and the compiler's runtime beside it, its
; Start-menu entry, and the .tvrl file type: a double-click opens the file in the window.
Section "${MENU_NAME}" SectionWindow
    SectionIn RO
    !include "${WINDOW}\window-install.nsh"
    CreateShortCut "$SMPROGRAMS\${MENU_NAME}.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0
    WriteRegStr HKLM "Software\Classes\.tvrl" "" "${FILE_TYPE}"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "$(FileTypeName)"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tavrel.exe,0"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\tavrel.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
SectionEnd

Section /o "桌面快捷方式" SectionDesktop
    CreateShortCut "$DESKTOP\${MENU_NAME}.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0
SectionEnd
!endif

Section "-Uninstaller"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(DisplayName)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
!ifdef WINDOW
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrel.exe,0"
!endif
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0 ; KiB
SectionEnd

; Removes exactly what the sections installed, then the folder if nothing of the user's is left in it.
; Each user's last input (%APPDATA%\Tavrel) stays theirs.
Section "Uninstall"
!ifdef WINDOW
    !include "${WINDOW}\window-uninstall.nsh"
    Delete "$SMPROGRAMS\${MENU_NAME}.lnk"
    Delete "$DESKTOP\${MENU_NAME}.lnk"
    ReadRegStr $0 HKLM "Software\Classes\.tvrl" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.tvrl"
    DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!endif
    Delete "$INSTDIR\tavrel-cli.exe"
    Delete "$INSTDIR\${FIGURE_FOLDER}\*.JPG"
    RMDir "$INSTDIR\${FIGURE_FOLDER}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
