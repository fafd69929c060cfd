; The Windows installer of qmconf: the programs, the guide and the licence
; under Program Files, the Start-menu shortcuts, the entry in "Apps and
; features" and an uninstaller. Built by scripts/windows-package.sh:
;
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder with the files> -DOUTFILE=<exe>
;            [-DWITH_WINDOW=1] packaging/windows/qmconf.nsi
;
; STAGE holds qmconf-cli.exe, guide.html and LICENSE.txt, and qmconf.exe when
; WITH_WINDOW is set. Command line of the installer:
;   /S        silent: nothing asked, nothing shown
;   /PATH=1   put the programs' folder on the user's PATH (off by default)
;   /D=<dir>  install elsewhere (last on the command line, no quotes)
; A newer version installed over an older one runs the old uninstaller
; silently first and keeps its folder and its PATH choice.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not defined (makensis -DVERSION=x.y.z)"
!endif
!ifndef STAGE
  !error "STAGE is not defined (makensis -DSTAGE=<folder>)"
!endif
!ifndef OUTFILE
  !define OUTFILE "qmconf-${VERSION}-windows-x64-setup.exe"
!endif

!define PRODUCT "qmconf"
!define PUBLISHER "the qmconf authors"
!define TITLE "Конфигуратор плат QM"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\qmconf"
!define SHORTCUT "$SMPROGRAMS\${TITLE}.lnk"
!define GUIDE_SHORTCUT "$SMPROGRAMS\${TITLE} — руководство.lnk"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

Name "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\qmconf"
; The folder of an installed version, so that a newer one replaces it there.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "qmconf"
VIAddVersionKey /LANG=1033 "FileDescription" "qmconf ${VERSION} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT License"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef WITH_WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\qmconf.exe"
!endif
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\guide.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Открыть руководство пользователя"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; Strips every entry equal to ${dir} (letter case aside, as Windows compares
; paths) from the ';'-separated list ${list}; the rest keeps its order.
!macro QmPathWithout un
Function ${un}QmPathWithout ; stack: dir, list -> list without dir
  Exch $R0 ; dir
  Exch
  Exch $R1 ; list
  Push $R2 ; result
  Push $R3 ; entry
  Push $R4 ; character
  StrCpy $R2 ""
  StrCpy $R3 ""
  loop:
    StrCpy $R4 $R1 1
    StrCpy $R1 $R1 "" 1
    ${If} $R4 == ";"
    ${OrIf} $R4 == ""
      ${If} $R3 != ""
      ${AndIf} $R3 != $R0
      ${AndIf} $R3 != "$R0\"
        ${If} $R2 == ""
          StrCpy $R2 $R3
        ${Else}
          StrCpy $R2 "$R2;$R3"
        ${EndIf}
      ${EndIf}
      StrCpy $R3 ""
      StrCmp $R4 "" done loop
    ${EndIf}
    StrCpy $R3 "$R3$R4"
    Goto loop
  done:
  StrCpy $R0 $R2
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd
!macroend
!insertmacro QmPathWithout ""
!insertmacro QmPathWithout "un."

; Tells the running programs (Explorer first) that the environment changed.
!macro QmBroadcastEnvironment
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
!macroend

Section "Программы и руководство" SecMain
  SectionIn RO
  SetShellVarContext all

  ; An installed version goes first, by its own uninstaller, in place (_?=)
  ; so that it ends before the new files are written.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    DetailPrint "Удаление установленной версии из $0"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
!ifdef WITH_WINDOW
  File "${STAGE}/qmconf.exe"
!endif
  File "${STAGE}/qmconf-cli.exe"
  File "${STAGE}/guide.html"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

!ifdef WITH_WINDOW
  CreateShortcut "${SHORTCUT}" "$INSTDIR\qmconf.exe" "" "$INSTDIR\qmconf.exe" 0
!else
  ; Without the window the guide is what there is to open.
  CreateShortcut "${SHORTCUT}" "$INSTDIR\guide.html"
!endif
  CreateShortcut "${GUIDE_SHORTCUT}" "$INSTDIR\guide.html"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE} (qmconf)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef WITH_WINDOW
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qmconf.exe"
!endif
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$1"
SectionEnd

Section /o "Добавить qmconf-cli в PATH пользователя" SecPath
  ; Once: an entry already there (a reinstall) is taken out and put back.
  ReadRegStr $0 HKCU "Environment" "Path"
  Push $0
  Push $INSTDIR
  Call QmPathWithout
  Pop $0
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR"
  ${Else}
    StrCpy $0 "$0;$INSTDIR"
  ${EndIf}
  WriteRegExpandStr HKCU "Environment" "Path" "$0"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "OnUserPath" 1
  !insertmacro QmBroadcastEnvironment
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "Программы qmconf, руководство пользователя и лицензия; ярлыки в меню «Пуск»."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} "Команда qmconf-cli в командной строке из любой папки."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Для qmconf нужна 64-разрядная Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ; The PATH choice of an installed version is kept; /PATH=1 or /PATH=0 decides.
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "OnUserPath"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/PATH=" $2
  ${IfNot} ${Errors}
    StrCpy $0 $2
  ${EndIf}
  ${If} $0 == 1
    SectionSetFlags ${SecPath} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  ; Only what the installer put here: anything else in the folder, and the
  ; board archive under the user's Local AppData, stays.
  Delete "$INSTDIR\qmconf.exe"
  Delete "$INSTDIR\qmconf-cli.exe"
  Delete "$INSTDIR\guide.html"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"
  Delete "${GUIDE_SHORTCUT}"

  ReadRegStr $0 HKCU "Environment" "Path"
  Push $0
  Push $INSTDIR
  Call un.QmPathWithout
  Pop $1
  ${If} $1 != $0
    ${If} $1 == ""
      DeleteRegValue HKCU "Environment" "Path"
    ${Else}
      WriteRegExpandStr HKCU "Environment" "Path" "$1"
    ${EndIf}
    !insertmacro QmBroadcastEnvironment
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
