; Kaleidra's installer for Windows: per user (no administrator), into
; %LOCALAPPDATA%\Programs\Kaleidra, with a Start-menu shortcut and an uninstaller that
; Settings lists. The user's Image List and settings are the program's, not the
; installer's: uninstalling leaves them.
; makensis -DVERSION=3.0 -DFILES=<folder of the exes and help documents> -DICON=<.ico> -DOUTFILE=<exe>
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "FileFunc.nsh"

!define NAME "Kaleidra"
!define PUBLISHER "The Kaleidra developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kaleidra"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
ShowInstDetails nevershow

; A running copy holds its exe open: neither replacing nor removing it would work.
!macro REFUSE_WHILE_RUNNING
  FindWindow $0 "KaleidraMainWindow"
  StrCmp $0 0 +3
    MessageBox MB_OK|MB_ICONEXCLAMATION "Kaleidra is running. Double-click its icon in the notification area, choose Application, Exit, then try again." /SD IDOK
    Abort
!macroend
Function .onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd
Function un.onInit
  !insertmacro REFUSE_WHILE_RUNNING
FunctionEnd

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Kaleidra"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${FILES}\kaleidra.exe"
  File "${FILES}\kaleidra-convert.exe"
  File "${FILES}\*.htm"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\kaleidra.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kaleidra.exe,0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the installer put there: the list and the settings stay where the program keeps them.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\kaleidra.exe"
  Delete "$INSTDIR\kaleidra-convert.exe"
  Delete "$INSTDIR\*.htm"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
