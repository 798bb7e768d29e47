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
!include LogicLib.nsh

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

; A running program's file cannot be replaced or deleted, and File and Delete would skip it quietly, leaving
; the older program beside newer files while reporting success. So the programs started from $INSTDIR are
; asked to close first, as the user would close them (one with unsaved changes asks whether to save), and
; an install or uninstall that cannot get them closed stops with exit code 2 instead of going on.
!define PROCESS_QUERY_SYNCHRONIZE 0x00101000  ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
!define CLOSE_WAIT_MS 30000

; $R1 := a handle to the process of window $R0 when that process runs $INSTDIR\tolvane.exe, else 0.
!macro PROCESS_OF_INSTALLED_PROGRAM
  System::Call 'user32::GetWindowThreadProcessId(p R0, *i .R2)'
  System::Call 'kernel32::OpenProcess(i ${PROCESS_QUERY_SYNCHRONIZE}, i 0, i R2) p .R1'
  ${If} $R1 P<> 0
    StrCpy $R3 ""
    System::Call 'kernel32::QueryFullProcessImageNameW(p R1, i 0, w .R3, *i ${NSIS_MAX_STRLEN})'
    ${If} $R3 != "$INSTDIR\tolvane.exe"  ; compares without regard to case, as paths do
      System::Call 'kernel32::CloseHandle(p R1)'
      StrCpy $R1 0
    ${EndIf}
  ${EndIf}
!macroend

!macro CLOSE_INSTALLED_PROGRAMS UN
Function ${UN}CloseInstalledPrograms
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  retry:
  StrCpy $R0 0
  ${Do}
    FindWindow $R0 "TForm1" "" 0 $R0
    ${IfThen} $R0 = 0 ${|} ${ExitDo} ${|}
    !insertmacro PROCESS_OF_INSTALLED_PROGRAM
    ${If} $R1 P<> 0
      System::Call 'user32::PostMessageW(p R0, i ${WM_CLOSE}, p 0, p 0)'
      System::Call 'kernel32::WaitForSingleObject(p R1, i ${CLOSE_WAIT_MS}) i .R2'
      System::Call 'kernel32::CloseHandle(p R1)'
      ${If} $R2 <> 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
          "Tolvane is still running from $INSTDIR. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Abort "Tolvane is still running from $INSTDIR."
      ${EndIf}
      StrCpy $R0 0  ; the window list changed: search again from the start
    ${EndIf}
  ${Loop}
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
!macroend
!define WM_CLOSE 0x0010
!insertmacro CLOSE_INSTALLED_PROGRAMS ""
!insertmacro CLOSE_INSTALLED_PROGRAMS "un."

Section "Install"
  Call CloseInstalledPrograms
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
  Call un.CloseInstalledPrograms
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
