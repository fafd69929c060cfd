; The Windows installer of qmconf: the programs, the guide and the licence
; under Program Files, the Start-menu shortcuts, the entry in "Apps and
; features" and an uninstaller. Built by scripts/windows-package.sh:
;
;   makensis -DVERSION=1.0.0 -DPRODUCT=<name> -DPUBLISHER=<name> -DICON=<ico>
;            -DSTAGE=<folder with the files> -DOUTFILE=<exe> [-DWITH_WINDOW=1]
;            [-DPANEL=<bmp beside the last pages>]
;            [-DSIGN=<command that signs the file %1 in place>]
;            packaging/windows/qmconf.nsi
;
; STAGE holds qmconf-cli.exe, guide.html and LICENSE.txt, and qmconf.exe when
; WITH_WINDOW is set. Command line of the installer:
;   /S        silent: nothing asked, nothing shown
;   /PATH=1   put the programs' folder on the system PATH, for every user
;             (off by default; /PATH=0 takes it off)
;   /D=<dir>  install elsewhere (last on the command line, no quotes)
; A newer version installed over an older one runs the old uninstaller
; silently first and keeps its folder and its PATH choice.
;
; Every sentence names the product in quotes after a word that takes the
; declension ("программа «...»"), so that NSIS's own Russian texts, which put
; the bare name in any case, are replaced wherever they hold it.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Sharp at 125 and 150 %: the installer scales its pages itself.
ManifestDPIAware true
ManifestSupportedOS Win7 Win8 Win8.1 Win10

!ifndef VERSION
  !error "VERSION is not defined (makensis -DVERSION=x.y.z)"
!endif
!ifndef STAGE
  !error "STAGE is not defined (makensis -DSTAGE=<folder>)"
!endif
!ifndef PRODUCT | PUBLISHER | ICON
  !error "PRODUCT, PUBLISHER and ICON are not all defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "qmconf-${VERSION}-windows-x64-setup.exe"
!endif
!ifdef SIGN
  !uninstfinalize '${SIGN}'
  !finalize '${SIGN}'
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\qmconf"
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define GUIDE_SHORTCUT "$SMPROGRAMS\${PRODUCT} — руководство.lnk"
; The product in quotes, after "программа" in the case the sentence needs.
!define QUOTED "«${PRODUCT}»"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "WinVer.nsh"
!include "x64.nsh"

Name "${PRODUCT}"
Caption "Установка программы ${QUOTED}"
UninstallCaption "Удаление программы ${QUOTED}"
; The version where NSIS puts its own name.
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\qmconf"
; The folder of an installed version, so that a newer one replaces it there.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программы ${QUOTED}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "Copyright (c) 2026 the qmconf authors, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!ifdef PANEL
  ; The product's own picture beside the last pages, made at twice the size
  ; the page shows it at 100 %, so that it stays sharp at 150 and 200 %.
  !define MUI_WELCOMEFINISHPAGE_BITMAP "${PANEL}"
  !define MUI_UNWELCOMEFINISHPAGE_BITMAP "${PANEL}"
!endif
!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "Прервать установку программы ${QUOTED}?"
!define MUI_UNABORTWARNING
!define MUI_UNABORTWARNING_TEXT "Прервать удаление программы ${QUOTED}?"

!define MUI_PAGE_HEADER_SUBTEXT "Перед установкой программы ${QUOTED} прочтите лицензию."
!define MUI_LICENSEPAGE_TEXT_TOP "Листать текст можно клавишами PageUp и PageDown."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Если вы принимаете условия лицензии, нажмите кнопку «Принимаю». Без этого программу не установить."
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!define MUI_PAGE_HEADER_SUBTEXT "Выберите, что установить."
!define MUI_COMPONENTSPAGE_TEXT_TOP "Отметьте, что установить. $_CLICK"
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_HEADER_SUBTEXT "Выберите папку для программы ${QUOTED}."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Программа ${QUOTED} будет установлена в указанную папку. Чтобы выбрать другую, нажмите кнопку «Обзор». $_CLICK"
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_SUBTEXT "Подождите, идёт установка программы ${QUOTED}."
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "Программа ${QUOTED} установлена."
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Программа ${QUOTED} установлена"
!define MUI_FINISHPAGE_TEXT "Она есть в меню «Пуск». Нажмите кнопку «Готово», чтобы закрыть мастер установки."
!ifdef WITH_WINDOW
  !define MUI_FINISHPAGE_RUN
  !define MUI_FINISHPAGE_RUN_TEXT "Запустить программу"
  !define MUI_FINISHPAGE_RUN_FUNCTION QmRunAsUser
!endif
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\guide.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Открыть руководство пользователя"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!define MUI_PAGE_HEADER_TEXT "Удаление программы ${QUOTED}"
!define MUI_PAGE_HEADER_SUBTEXT "Программа будет удалена с этого компьютера."
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Программа ${QUOTED} будет удалена из этой папки. $_CLICK"
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_SUBTEXT "Подождите, идёт удаление программы ${QUOTED}."
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "Программа ${QUOTED} удалена."
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Программа ${QUOTED} удалена"
!define MUI_FINISHPAGE_TEXT "Архив плат остался на месте: копии того, что хранили платы, лежат у каждого пользователя в папке$\r$\n%LOCALAPPDATA%\qmconf\archive,$\r$\nобычно это$\r$\nC:\Users\<имя>\AppData\Local\qmconf\archive.$\r$\nЕсли архив больше не нужен, удалите эту папку сами.$\r$\n$\r$\nНажмите кнопку «Готово», чтобы закрыть мастер."
!define MUI_FINISHPAGE_TEXT_LARGE
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "Russian"
; NSIS's own texts that hold the bare name: the folder dialog and the
; uninstaller's summary.
LangString ^DirBrowseText ${LANG_RUSSIAN} "Выберите папку для программы ${QUOTED}:"
LangString ^UninstallingText ${LANG_RUSSIAN} "Программа ${QUOTED} будет удалена с этого компьютера. $_CLICK"
; And the names of the buttons in the Russian quotation marks.
LangString ^ClickNext ${LANG_RUSSIAN} "Нажмите кнопку «Далее», чтобы продолжить."
LangString ^ClickInstall ${LANG_RUSSIAN} "Нажмите кнопку «Установить», чтобы установить программу."
LangString ^ClickUninstall ${LANG_RUSSIAN} "Нажмите кнопку «Удалить», чтобы удалить программу."

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

; A PATH read or made this long may have been cut at NSIS's longest string,
; and one longer than that reads empty: neither is ever written back.
!define /math QM_LONGEST ${NSIS_MAX_STRLEN} - 1

; Takes the folder off a PATH in the registry (root: HKLM or HKCU, key),
; unexpanded as it is kept. A PATH too long to hold whole is left alone.
Function un.QmPathRemove ; stack: key, root ("HKLM" or "HKCU")
  Exch $R5 ; key
  Exch
  Exch $R6 ; root
  Push $R7
  Push $R8
  ClearErrors
  ${If} $R6 == "HKLM"
    ReadRegStr $R7 HKLM "$R5" "Path"
  ${Else}
    ReadRegStr $R7 HKCU "$R5" "Path"
  ${EndIf}
  StrLen $R8 $R7
  ; No PATH, or one too long to be read at all (NSIS then reads it empty).
  ${If} ${Errors}
    DetailPrint "PATH не прочитан и оставлен как есть."
  ${ElseIf} $R8 >= ${QM_LONGEST}
    DetailPrint "PATH слишком длинный для программы удаления и оставлен как есть: уберите из него $INSTDIR сами."
  ${ElseIf} $R7 != ""
    Push $R7
    Push $INSTDIR
    Call un.QmPathWithout
    Pop $R8
    ${If} $R8 != $R7
      ${If} $R6 == "HKLM"
        WriteRegExpandStr HKLM "$R5" "Path" "$R8"
      ${ElseIf} $R8 == ""
        DeleteRegValue HKCU "$R5" "Path"
      ${Else}
        WriteRegExpandStr HKCU "$R5" "Path" "$R8"
      ${EndIf}
      SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    ${EndIf}
  ${EndIf}
  Pop $R8
  Pop $R7
  Pop $R6
  Pop $R5
FunctionEnd

Section "Программы" SecMain
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

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef WITH_WINDOW
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qmconf.exe"
!else
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uninstall.exe"
!endif
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$1"
SectionEnd

Section /o "qmconf-cli в PATH" SecPath
  ; The system's PATH, for every user of the computer: the installer runs as
  ; an administrator, whose own PATH the technician would not have. Once: an
  ; entry already there (a reinstall) is taken out and put back.
  ClearErrors
  ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
  StrLen $1 $0
  ; A PATH too long to be read at all reads empty, with the error flag: it
  ; would be replaced by the folder alone.
  ${If} ${Errors}
  ${OrIf} $1 >= ${QM_LONGEST}
    DetailPrint "PATH слишком длинный для программы установки и оставлен как есть: добавьте в него $INSTDIR сами."
  ${Else}
    Push $0
    Push $INSTDIR
    Call QmPathWithout
    Pop $0
    ${If} $0 == ""
      StrCpy $0 "$INSTDIR"
    ${Else}
      StrCpy $0 "$0;$INSTDIR"
    ${EndIf}
    StrLen $1 $0
    ${If} $1 >= ${QM_LONGEST}
      DetailPrint "PATH слишком длинный для программы установки и оставлен как есть: добавьте в него $INSTDIR сами."
    ${Else}
      WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$0"
      WriteRegDWORD HKLM "${UNINSTALL_KEY}" "OnSystemPath" 1
      SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    ${EndIf}
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "Окно программы, команда qmconf-cli, руководство пользователя и лицензия; ярлыки в меню «Пуск»."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} "Команда qmconf-cli в командной строке из любой папки, у всех пользователей компьютера."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

!ifdef WITH_WINDOW
; The installer runs as an administrator: the program started from the
; finish page is started by the desktop's shell instead, as the user who
; ran the installer, so that its board archive and its files go where that
; user's would.
Function QmRunAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\qmconf.exe"'
FunctionEnd
!endif

Function .onInit
  ; Windows 7 with its Service Pack 1, 64-bit, or later.
  StrCpy $0 0
  ${If} ${AtLeastWin8}
    StrCpy $0 1
  ${ElseIf} ${AtLeastWin7}
  ${AndIf} ${AtLeastServicePack} 1
    StrCpy $0 1
  ${EndIf}
  ${IfNot} ${RunningX64}
    StrCpy $0 0
  ${EndIf}
  ${If} $0 == 0
    MessageBox MB_ICONSTOP "Программе ${QUOTED} нужна 64-разрядная Windows 7 с пакетом обновления 1 (SP1) или более новая Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ; The PATH choice of an installed version is kept (versions before this
  ; one kept it as OnUserPath); /PATH=1 or /PATH=0 decides.
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "OnSystemPath"
  ${If} $0 == ""
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "OnUserPath"
  ${EndIf}
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
  ; board archive under each user's Local AppData, stays.
  Delete "$INSTDIR\qmconf.exe"
  Delete "$INSTDIR\qmconf-cli.exe"
  Delete "$INSTDIR\guide.html"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"
  Delete "${GUIDE_SHORTCUT}"

  ; Off the system's PATH, and off the installing account's own, where
  ; versions before this one put it.
  Push HKLM
  Push "${ENVIRONMENT_KEY}"
  Call un.QmPathRemove
  Push HKCU
  Push "Environment"
  Call un.QmPathRemove

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
