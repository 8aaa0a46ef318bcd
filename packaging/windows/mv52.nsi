; The Windows installer of the MV52 programming tool (NSIS 3, Unicode).
; Built by the Windows workflow (.github/workflows/windows.yml) from an installation tree laid
; out by `cmake --install` and completed by windeployqt:
;   makensis -DTREE=<tree> -DVERSION=2.0.0 -DOUTFILE=<setup.exe> packaging\windows\mv52.nsi
; The tree goes to Program Files, which users cannot write, and carries the file
; `shared-installation`: settings, logs and backups are then kept in each user's own folders,
; the settings copied from the tree's language\mysetup.ini on first use.

Unicode true
RequestExecutionLevel admin
!include "MUI2.nsh"
!include "x64.nsh"

!ifndef TREE
  !error "TREE must name the installation tree"
!endif
!ifndef VERSION
  !error "VERSION must give the release"
!endif
!ifndef OUTFILE
  !define OUTFILE "mv52-${VERSION}-setup.exe"
!endif

!define APP "MV52 Programming Tool"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MV52"
!define PROG_ID "MV52.DataFile"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\MV52"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "This program needs 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Section "!${APP}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${TREE}\*.*"
  ; The shared-tree marker: nothing the program writes goes under Program Files.
  FileOpen $0 "$INSTDIR\shared-installation" w
  FileWrite $0 "installed by the Windows installer$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ZU_418\mv52.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start menu entry" SecStartMenu
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\MV52"
  CreateShortcut "$SMPROGRAMS\MV52\${APP}.lnk" "$INSTDIR\ZU_418\mv52.exe" "" "$INSTDIR\ZU_418\mv52.exe" 0
  CreateShortcut "$SMPROGRAMS\MV52\Uninstall.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

; The program opens a data file named on its command line, as File > Open does.
Section /o "Open .dat files with this program" SecAssociate
  WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}" ""
  WriteRegStr HKLM "Software\Classes\${PROG_ID}" "" "MV52 data file"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\ZU_418\mv52.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\ZU_418\mv52.exe" "%1"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Associated" "1"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\MV52\${APP}.lnk"
  Delete "$SMPROGRAMS\MV52\Uninstall.lnk"
  RMDir "$SMPROGRAMS\MV52"
  DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${PROG_ID}"
  DeleteRegKey HKLM "Software\Classes\${PROG_ID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  ; Only the tree: what each user's program wrote stays in their own folders.
  RMDir /r "$INSTDIR\ZU_418"
  RMDir /r "$INSTDIR\language"
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\Version.ini"
  Delete "$INSTDIR\shared-installation"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
