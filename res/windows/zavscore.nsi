; The ZAVscore installer, made by scripts/build-windows.sh with Debian's
; makensis: -DVERSION, -DDIST (the staged program and the file lists),
; -DICON, -DOUTFILE. Per user, without administrator rights: the program goes
; to the user's own programs folder, its file types and its entry in the
; installed apps to the user's part of the registry.
; 64-bit, as the program: it also runs where Windows has no 32-bit part.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APP "ZAVscore"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define CLASSES "Software\Classes"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "The ZAVscore developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zavscore.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's four languages; the installer speaks Windows' own when it is one of them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "German"

; A file type that opens in ZAVscore with its icon.
!macro FileType EXTENSION CLASS DESCRIPTION
  WriteRegStr HKCU "${CLASSES}\${EXTENSION}" "" "${CLASS}"
  WriteRegStr HKCU "${CLASSES}\${CLASS}" "" "${DESCRIPTION}"
  WriteRegStr HKCU "${CLASSES}\${CLASS}\DefaultIcon" "" "$INSTDIR\zavscore.exe,0"
  WriteRegStr HKCU "${CLASSES}\${CLASS}\shell\open\command" "" '"$INSTDIR\zavscore.exe" "%1"'
!macroend

; Only what points to ZAVscore is taken away: another program may have
; taken the extension since.
!macro RemoveFileType EXTENSION CLASS
  ReadRegStr $0 HKCU "${CLASSES}\${EXTENSION}" ""
  StrCmp $0 "${CLASS}" 0 +2
  DeleteRegKey HKCU "${CLASSES}\${EXTENSION}"
  DeleteRegKey HKCU "${CLASSES}\${CLASS}"
!macroend

Section "ZAVscore"
  SetOutPath "$INSTDIR"
  !include "${DIST}\install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\zavscore.exe" "" "$INSTDIR\zavscore.exe" 0

  !insertmacro FileType ".score" "ZAVscore.Sheet" "ZAVscore score sheet"
  !insertmacro FileType ".pscore" "ZAVscore.SetSheet" "ZAVscore score sheet of a set"
  !insertmacro FileType ".mscore" "ZAVscore.Set" "ZAVscore score sheet set"
  ; Explorer shows the new icons at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The ZAVscore developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zavscore.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  ; The size the installed apps show, in KB: what was put in place.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's settings, documents and recovery files (%APPDATA%\ZAVscore,
; %LOCALAPPDATA%\ZAVscore) are theirs: the uninstaller leaves them.
Section "Uninstall"
  !include "${DIST}\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  !insertmacro RemoveFileType ".score" "ZAVscore.Sheet"
  !insertmacro RemoveFileType ".pscore" "ZAVscore.SetSheet"
  !insertmacro RemoveFileType ".mscore" "ZAVscore.Set"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

