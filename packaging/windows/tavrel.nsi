; The Windows installer of Tavrel: the programs and their figures under Program Files, an uninstaller
; registered with Windows, texts in Chinese and English. Built by the `installer` target:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.2 -DCLI=tavrel-cli.exe -DFIGURES=DIR -DOUTFILE=setup.exe tavrel.nsi
; Each program is one section; a program joins the installer as a section of its own.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

!define PRODUCT "Tavrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define FIGURE_FOLDER "计算书图例"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString DisplayName ${LANG_SIMPCHINESE} "Tavrel 钢筋混凝土盖板涵盖板计算"
LangString DisplayName ${LANG_ENGLISH} "Tavrel slab culvert cover slab design"
LangString Needs64Bit ${LANG_SIMPCHINESE} "Tavrel 需要 64 位 Windows。"
LangString Needs64Bit ${LANG_ENGLISH} "Tavrel needs 64-bit Windows."

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(Needs64Bit)" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

; The command-line program and the figures its reports show, which it finds beside itself.
Section "tavrel-cli" SectionCli
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${CLI}"
    SetOutPath "$INSTDIR\${FIGURE_FOLDER}"
    File "${FIGURES}\*.JPG"
SectionEnd

Section "-Uninstaller"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(DisplayName)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what the sections installed, then the folder if nothing of the user's is left in it.
Section "Uninstall"
    Delete "$INSTDIR\tavrel-cli.exe"
    Delete "$INSTDIR\${FIGURE_FOLDER}\*.JPG"
    RMDir "$INSTDIR\${FIGURE_FOLDER}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
