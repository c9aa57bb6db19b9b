; The per-user installer and its uninstaller. Built by make-dist.sh, which passes
; VERSION (the program's own, from CMakeLists.txt), STAGE (the files to install) and
; OUTFILE. Nothing here needs administrator rights: the program, its shortcut and its
; uninstall entry all belong to the current user.

Unicode true
; The program is built for 64-bit Windows only, so its installer is too; a 32-bit one
; would also need Wine's 32-bit half to be tested.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; The files take the time of their installation: stored times would be build times,
; and a second build would then differ from the first.
SetDateSave off

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Kromelik"
!define PUBLISHER "Brenvald"
!define PROGRAM_EXE "kromelik.exe"
!define UNINSTALLER "odinstaluj.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kromelik"
!define SETTINGS_KEY "Software\Brenvald\Kromelik"
!define MAKER_KEY "Software\Brenvald"
; The program looks for the maker's other programs here too, and so makes the key.
!define OLD_MAKER_KEY "Brenvald"
; The same value the options dialog writes for "start with Windows": the program's path
; as it sees it, unquoted.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Kromelik"
; The toolbar's window class, by which a running copy is found and asked to close.
!define TOOLBAR_CLASS "KromelikToolbar"
!define SYNCHRONIZE 0x00100000
!define WAIT_TIMEOUT 258

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An update goes where the last installation went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"

Var WasRunning

!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

; The usual advice to close every program first does not hold here: a running Kromelik
; is closed and started again by the installer itself.
!define MUI_WELCOMEPAGE_TEXT "Kreator zainstaluje program Kromelik ${VERSION} dla bieżącego użytkownika; uprawnienia administratora nie są potrzebne.$\r$\n$\r$\nJeśli Kromelik właśnie działa, zostanie zamknięty i po instalacji uruchomiony ponownie. Ustawienia zostają bez zmian.$\r$\n$\r$\nKliknij „Dalej”, aby kontynuować."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Uruchom program Kromelik"
; The second box of the last page, meant for a readme, asks about starting with Windows.
!define MUI_FINISHPAGE_SHOWREADME ""
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Uruchamiaj razem z systemem Windows"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION StartWithWindows
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FinishLeave
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Polish"

VIAddVersionKey /LANG=${LANG_POLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_POLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_POLISH} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_POLISH} "FileDescription" "Instalator programu Kromelik"
VIAddVersionKey /LANG=${LANG_POLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_POLISH} "ProductVersion" "${VERSION}"

; Closes every running copy the way its own "Zamknij" does, through its window, and waits
; for each process to end, since its file cannot be replaced or removed before. One that
; does not end is left to the user; a silent run gives up instead.
!macro CLOSE_RUNNING_COPIES un
Function ${un}CloseRunningCopies
  StrCpy $WasRunning 0
  ${Do}
    FindWindow $0 "${TOOLBAR_CLASS}"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    StrCpy $WasRunning 1
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    StrCpy $3 0
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r3'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ; Without a handle to wait on, the window's going has to do; a window that stays
    ; would otherwise be asked again and again.
    IsWindow $0 0 +2
      StrCpy $3 ${WAIT_TIMEOUT}
    ${If} $3 <> 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Program Kromelik nadal działa i nie daje się zamknąć.$\r$\n$\r$\nZamknij go (przycisk „Zamknij” na pasku) i kliknij „Ponów”." \
        /SD IDCANCEL IDRETRY ask_again
      Abort
      ask_again:
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPIES ""
!insertmacro CLOSE_RUNNING_COPIES "un."

Section
  Call CloseRunningCopies

  SetOutPath "$INSTDIR"
  File "${STAGE}\${PROGRAM_EXE}"
  File "${STAGE}\CZYTAJ.txt"
  File "${STAGE}\lista-przyklad.txt"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}\help\kromelik.html"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM_EXE}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_EXE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"

  ; A silent update puts back what it took away; otherwise the last page offers a start.
  ${If} ${Silent}
  ${AndIf} $WasRunning = 1
    Exec '"$INSTDIR\${PROGRAM_EXE}"'
  ${EndIf}
SectionEnd

; An update keeps the user's earlier choice about starting with Windows.
Function FinishShow
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 != ""
    SendMessage $mui.FinishPage.ShowReadme ${BM_SETCHECK} ${BST_CHECKED} 0
  ${EndIf}
FunctionEnd

Function StartWithWindows
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" "$INSTDIR\${PROGRAM_EXE}"
FunctionEnd

Function FinishLeave
  SendMessage $mui.FinishPage.ShowReadme ${BM_GETCHECK} 0 0 $0
  ${If} $0 <> ${BST_CHECKED}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningCopies

  Delete "$INSTDIR\${PROGRAM_EXE}"
  Delete "$INSTDIR\CZYTAJ.txt"
  Delete "$INSTDIR\lista-przyklad.txt"
  Delete "$INSTDIR\help\kromelik.html"
  RMDir "$INSTDIR\help"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; The settings and the user's own menu (lista.txt) are the user's: kept unless asked,
  ; and always by a silent removal, which is how an update by hand may begin.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Czy usunąć także ustawienia programu Kromelik (listy, wygląd, własne menu z pliku lista.txt)?$\r$\n$\r$\nJeśli zostaną, program po ponownej instalacji zacznie tam, gdzie skończył." \
    /SD IDNO IDNO keep_settings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${MAKER_KEY}"
  DeleteRegKey /ifempty HKCU "${OLD_MAKER_KEY}"
  Delete "$INSTDIR\lista.txt"
keep_settings:

  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
SectionEnd
