; The installer of Vexa Magnifier, made with NSIS by scripts/package.sh.
;
; Installs for the current user only (no administrator rights): the program
; for the system's processor (64-bit on 64-bit Windows, else 32-bit), a
; Start-menu entry, an entry in the list of installed programs and its
; uninstaller. It sets the product's "Silent" value, so that the first start
; of the program opens the product page once, and offers to start the program
; at the end. `/S` installs without asking anything.
;
; Defines given by scripts/package.sh: VERSION ("1.19"), VERSION_QUAD
; ("1.19.0.0"), OUTFILE, PROGRAM64 and PROGRAM32 (the two programs),
; CLOSER64 and CLOSER32 (the helper that ends running copies), README,
; LICENSE, ICON. TARGET (optional) picks the installer's own processor
; (default x86-unicode, which runs on every supported Windows).

Unicode true
!ifdef TARGET
Target ${TARGET}
!endif

!define PRODUCT "Vexa Magnifier"
!define MAKER "Vexa"
!define PROGRAM "VexaMagnifier.exe"
!define PRODUCT_PAGE "https://vexasoft.net/software/Magnifier/"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VexaMagnifier"
; The program's own key: its settings live below it in SaveData.
!define PRODUCT_KEY "Software\Vexa\Vexa Magnifier"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Freeware by ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var is64Bit

; 64-bit Windows tells a 32-bit program its own processor in
; PROCESSOR_ARCHITEW6432 and a 64-bit one in PROCESSOR_ARCHITECTURE. Only
; x64 counts: Windows on ARM gets the 32-bit program, which runs everywhere.
!macro DefineFindProcessor PREFIX
Function ${PREFIX}findProcessor
    ReadEnvStr $0 PROCESSOR_ARCHITEW6432
    ${If} $0 == ""
        ReadEnvStr $0 PROCESSOR_ARCHITECTURE
    ${EndIf}
    ${If} $0 == "AMD64"
        StrCpy $is64Bit 1
    ${Else}
        StrCpy $is64Bit 0
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineFindProcessor ""
!insertmacro DefineFindProcessor "un."

; Ends a copy of the program that runs from $INSTDIR, with a close message to
; its lens window as the user's Exit would (a helper program finds the window
; by its class and its process's program file: a portable copy elsewhere keeps
; running). Asks to retry while one still runs; silently gives up the
; installation instead.
!macro DefineCloseRunningCopy PREFIX
Function ${PREFIX}closeRunningCopy
    IfFileExists "$INSTDIR\${PROGRAM}" 0 done
    InitPluginsDir
    ${If} $is64Bit == 1
        File "/oname=$PLUGINSDIR\CloseRunning.exe" "${CLOSER64}"
    ${Else}
        File "/oname=$PLUGINSDIR\CloseRunning.exe" "${CLOSER32}"
    ${EndIf}
    retry:
    ExecWait '"$PLUGINSDIR\CloseRunning.exe" "$INSTDIR\${PROGRAM}" 10000' $0
    ${If} $0 != 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} is still running. Please end it from its tray icon menu, then choose Retry." \
            /SD IDCANCEL IDRETRY retry
        Abort
    ${EndIf}
    Delete "$PLUGINSDIR\CloseRunning.exe"
    done:
FunctionEnd
!macroend
!insertmacro DefineCloseRunningCopy ""
!insertmacro DefineCloseRunningCopy "un."

Function .onInit
    SetShellVarContext current
    Call findProcessor
FunctionEnd

Function un.onInit
    SetShellVarContext current
    Call un.findProcessor
FunctionEnd

Section "Install"
    Call closeRunningCopy
    SetOutPath "$INSTDIR"
    ${If} $is64Bit == 1
        File "/oname=${PROGRAM}" "${PROGRAM64}"
    ${Else}
        File "/oname=${PROGRAM}" "${PROGRAM32}"
    ${EndIf}
    File "/oname=ReadMe.txt" "${README}"
    File "/oname=License.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${PRODUCT_PAGE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; The program's first start without arguments opens the product page once
    ; and sets this back to 0.
    WriteRegDWORD HKCU "${PRODUCT_KEY}" "Silent" 1
SectionEnd

Section "Uninstall"
    Call un.closeRunningCopy
    Delete "$INSTDIR\${PROGRAM}"
    Delete "$INSTDIR\ReadMe.txt"
    Delete "$INSTDIR\License.txt"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only if empty: the user may have put own files there.
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; The start-on-boot shortcut that the program's tray menu makes: the
    ; English product name and the version.
    Delete "$SMSTARTUP\${PRODUCT} ${VERSION}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    MessageBox MB_YESNO|MB_ICONQUESTION \
        "Keep your ${PRODUCT} settings (trigger key, zoom, language) for a later installation?" \
        /SD IDYES IDYES keep
    DeleteRegKey HKCU "${PRODUCT_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${MAKER}"
    keep:
SectionEnd
