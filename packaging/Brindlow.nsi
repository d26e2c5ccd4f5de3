; The setup program: Brindlow for all users under Program Files, with a Start-menu entry and an
; uninstaller. It understands the switches the program's updater passes:
;   /SILENT or /VERYSILENT   no pages (as NSIS's own /S)
;   /CLOSEAPPLICATIONS       a running Brindlow is closed before its files are replaced
;   /SUPPRESSMSGBOXES        no message boxes (silent runs show none anyway)
;   /LANG=name               the setup's language: English or Russian, by name; else the system's
;   /MERGETASKS="runcmd1"    Brindlow is started once it is installed
;
; makensis -DVERSION=1.2.3.4 -DSTAGE=folder -DOUTFILE=file -DICON=file -DMAKER=text
;          -DCOPYRIGHT=text Brindlow.nsi
; STAGE holds Brindlow.exe, the Language folder and uninstall-language.nsh (a Delete line for
; each language file installed, so that the uninstaller removes those and no others).
; -DSIGN_TOOL=command: a command that signs the file it is given in place; the uninstaller is
; signed with it before it is packed, and the setup program once it is written.

; A 64-bit setup for the 64-bit program (and for systems that run no 32-bit code).
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WordFunc.nsh"
!include "WinMessages.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brindlow"
; The class of Brindlow's windows.
!define WINDOW_CLASS "BrindlowForm"

!ifdef SIGN_TOOL
  !uninstfinalize '"${SIGN_TOOL}" "%1"' = 0
  !finalize '"${SIGN_TOOL}" "%1"' = 0
!endif

Name "Brindlow"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Brindlow"
BrandingText "Brindlow ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Brindlow.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Brindlow"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Brindlow Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

Var StartWhenInstalled

; Whether the command line holds `option`; the error flag says no.
!macro HasOption option
  ClearErrors
  ${GetOptions} $R0 "${option}" $R1
!macroend

Function .onInit
  SetRegView 64
  ${GetParameters} $R0
  !insertmacro HasOption "/SILENT"
  ${IfNot} ${Errors}
    SetSilent silent
  ${EndIf}
  !insertmacro HasOption "/VERYSILENT"
  ${IfNot} ${Errors}
    SetSilent silent
  ${EndIf}
  !insertmacro HasOption "/LANG="
  ${IfNot} ${Errors}
    ${If} $R1 == "Russian"
      StrCpy $LANGUAGE ${LANG_RUSSIAN}
    ${ElseIf} $R1 == "English"
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  ${EndIf}
  !insertmacro HasOption "/MERGETASKS="
  ${IfNot} ${Errors}
    ClearErrors
    ${WordFind} "$R1" "runcmd1" "E*" $R2
    ${IfNot} ${Errors}
      StrCpy $StartWhenInstalled 1
    ${EndIf}
  ${EndIf}
  !insertmacro HasOption "/CLOSEAPPLICATIONS"
  ${IfNot} ${Errors}
    Call CloseBrindlow
  ${EndIf}
FunctionEnd

; Asks every Brindlow window to close (the main window stores its settings as it does) and
; waits up to ten seconds; a program that is still there then is ended.
Function CloseBrindlow
  StrCpy $R2 0
  ${Do}
    FindWindow $R3 "${WINDOW_CLASS}" ""
    ${If} $R3 == 0
      Return
    ${EndIf}
    SendMessage $R3 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    Sleep 250
    IntOp $R2 $R2 + 1
  ${LoopUntil} $R2 >= 40
  nsExec::Exec 'taskkill /F /IM Brindlow.exe'
  Pop $R3
  Sleep 500
FunctionEnd

Section "Brindlow"
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\Brindlow.exe"
  SetOutPath "$INSTDIR\Language"
  File /nonfatal /r "${STAGE}\Language\*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Brindlow.lnk" "$INSTDIR\Brindlow.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Brindlow"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Brindlow.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function .onInstSuccess
  ${If} $StartWhenInstalled == 1
    Exec '"$INSTDIR\Brindlow.exe"'
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; Removes what the setup installed; the users' settings (in their application-data folders)
; and language files they added stay.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Brindlow.lnk"
  Delete "$INSTDIR\Brindlow.exe"
  !include "${STAGE}\uninstall-language.nsh"
  RMDir "$INSTDIR\Language"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
