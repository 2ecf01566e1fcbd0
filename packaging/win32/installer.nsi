; The Morvex installer for Windows players: installs for the current user,
; without administrator rights, into their own programs folder; a Start menu
; shortcut that starts the game in its folder, where it finds its data files;
; an entry in the list of installed programs; an uninstaller that takes away
; every file and key it made. Built by packaging/win32/Pack.cmake, which
; defines VERSION, STAGE, UNINSTALL, ICON and OUTFILE.
Unicode true
Target amd64-unicode
Name "Morvex"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Morvex"
SetCompressor /SOLID lzma
Icon "${ICON}"
UninstallIcon "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvex"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut's working folder is the out path: the install folder.
  CreateShortcut "$SMPROGRAMS\Morvex.lnk" "$INSTDIR\morvex.exe" "" "$INSTDIR\morvex.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Morvex"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Morvex developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Morvex.lnk"
  !include "${UNINSTALL}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The folders the install made, if nothing else has come to live in them.
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
