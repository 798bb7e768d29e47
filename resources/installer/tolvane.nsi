; The installer of Tolvane, built by scripts/package with makensis:
;   makensis -DARCH=x64|x86 -DVERSION=1.2.3.4 -DPUBLISHER=... -DSTAGE=folder -DOUTFILE=setup.exe tolvane.nsi
; STAGE holds what is installed: tolvane.exe, tolvane-cli.exe, Demo.TvXml, Licenses.txt and help\Tolvane.html.
;
; Per user, without administrator rights: the program goes to %LOCALAPPDATA%\Programs\Tolvane and registers
; under HKCU. Installing again (a newer version, or the other architecture) replaces the files in the same
; folder. /S installs or uninstalls silently; /D=FOLDER chooses the folder for a silent install.
; The uninstaller removes exactly the files it installed and its own entries; the user's menus and settings
; (in %APPDATA%\Quaddix\Tolvane, or beside the program when started with -i/-m) and shortcuts the program made
; are kept, and so is a folder that still holds them.

; The x64 installer is a 64-bit program itself: it needs no 32-bit layer (WoW64), and Windows refuses to start it
; on a 32-bit system, where the x86 installer belongs.
!if ${ARCH} == x64
  Target amd64-unicode
!else
  Unicode true
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Tolvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION} (${ARCH})"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${ARCH} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
  SetOutPath "$INSTDIR"
  File "${STAGE}\tolvane.exe"
  File "${STAGE}\tolvane-cli.exe"
  File "${STAGE}\Demo.TvXml"
  File "${STAGE}\Licenses.txt"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}\help\Tolvane.html"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\tolvane.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\help\Tolvane.html"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tolvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\tolvane.exe"
  Delete "$INSTDIR\tolvane-cli.exe"
  Delete "$INSTDIR\Demo.TvXml"
  Delete "$INSTDIR\Licenses.txt"
  Delete "$INSTDIR\help\Tolvane.html"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: a folder holding the user's files stays with them.
  RMDir "$INSTDIR\help"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
