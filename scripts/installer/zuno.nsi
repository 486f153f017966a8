; Per-user installer for 心理测试Mobix 4.3, built on Linux by scripts/release.sh with
; makensis -INPUTCHARSET UTF8 -DARCH=x86|x64 -DFILES=<folder> -DLISTS=<folder> -DOUTFILE=<exe>.
; LISTS holds install.nsh and uninstall.nsh, generated from the release folder, so that
; the uninstaller removes exactly what was installed and never the user's zuno.ini or logs.
Unicode true
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!include "MUI2.nsh"

!define APPNAME "心理测试Mobix4.3"
!define VERSION "4.3"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zuno4.3"

Name "${APPNAME}"
Caption "${APPNAME} 安装程序"
OutFile "${OUTFILE}"
; The program writes zuno.ini and its result logs beside itself: install where the
; user can write, without asking for administrator rights.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Zuno4.3"
InstallDirRegKey HKCU "${UNINSTKEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${APPNAME}"

VIProductVersion "4.3.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=2052 "FileDescription" "${APPNAME} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${APPNAME}"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zuno.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行 ${APPNAME}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "!${APPNAME}" SecMain
  SectionIn RO
  !include "${LISTS}\install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Shortcuts start in the install folder, where the program keeps its result logs.
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${APPNAME}"
  CreateShortcut "$SMPROGRAMS\${APPNAME}\${APPNAME}.lnk" "$INSTDIR\zuno.exe"
  !if /FileExists "${FILES}/skinview.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}\皮肤一览.lnk" "$INSTDIR\skinview.exe"
  !endif
  CreateShortcut "$SMPROGRAMS\${APPNAME}\使用说明.lnk" "$INSTDIR\ZunoHelp.chm"
  CreateShortcut "$SMPROGRAMS\${APPNAME}\卸载 ${APPNAME}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr HKCU "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\zuno.exe"
  WriteRegStr HKCU "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTKEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only the files this installer put there: the user's zuno.ini and result logs
  ; (zuno*.txt) stay, and so does the folder while it still holds them.
  !include "${LISTS}\uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APPNAME}\${APPNAME}.lnk"
  Delete "$SMPROGRAMS\${APPNAME}\皮肤一览.lnk"
  Delete "$SMPROGRAMS\${APPNAME}\使用说明.lnk"
  Delete "$SMPROGRAMS\${APPNAME}\卸载 ${APPNAME}.lnk"
  RMDir "$SMPROGRAMS\${APPNAME}"
  DeleteRegKey HKCU "${UNINSTKEY}"
SectionEnd
