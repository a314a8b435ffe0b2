; The per-user installer: no administrator rights, everything in the user's own
; %LOCALAPPDATA%\Programs\Zorbel, a Start-menu shortcut to the setup window (the only way in:
; the saver opens setup for the exact "/c" alone), an Apps & features entry and an uninstaller
; that leaves nothing of ours. The build passes, with -D:
;   VERSION      the version the program reports, as the user sees it (4beta1)
;   FILE_VERSION the same as four numbers, for the installer's version record
;   STAGE        the folder holding the shipped files, one of them jokes.txt
;   SHIPPED_NSH  the build's list of those files (macros ZorbelInstallShippedFiles and
;                ZorbelRemoveShippedFiles)
;   OUTFILE      the installer to write
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${SHIPPED_NSH}"

!define PRODUCT "Zorbel Joke Screensaver"
!define PUBLISHER "Tarnwick Entertainment"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorbel"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT} settings.lnk"
!define UNINSTALLER "Uninstall.exe"
; A jokes.txt the user changed is kept under this name (then -2, -3 ...) when an upgrade
; brings a different one; README.txt gives the name.
!define KEPT_JOKES "my-jokes"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "${PRODUCT} ${VERSION} Uninstall"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zorbel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "This installs ${PRODUCT} for you alone, in your own folder \
  $\"$INSTDIR$\". It needs no administrator rights.$\r$\n$\r$\n\
  Its options are set in its own setup window, which the Start menu opens: look for \
  $\"${PRODUCT} settings$\". Windows' Settings... button in the Screen Saver Settings does \
  nothing for this saver.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "${PRODUCT} is installed"
!define MUI_FINISHPAGE_TEXT "To change the saver's options later, open $\"${PRODUCT} \
  settings$\" from the Start menu.$\r$\n$\r$\nClick Finish to close this wizard."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the Zorbel setup window now"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenSetupWindow
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the README"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var Kept

; Sets $R9 to 1 when the files $R0 and $R1 hold different bytes (or one cannot be read),
; to 0 when they are the same.
Function FilesDiffer
  StrCpy $R9 1
  FileOpen $R2 $R0 r
  IfErrors done
  FileOpen $R3 $R1 r
  IfErrors close_first
  FileSeek $R2 0 END $R4
  FileSeek $R3 0 END $R5
  ${If} $R4 = $R5
    FileSeek $R2 0 SET
    FileSeek $R3 0 SET
    ${Do}
      ClearErrors
      FileReadByte $R2 $R4
      ${If} ${Errors}
        StrCpy $R9 0
        ${Break}
      ${EndIf}
      FileReadByte $R3 $R5
      ${IfThen} $R4 <> $R5 ${|} ${Break} ${|}
    ${Loop}
  ${EndIf}
  FileClose $R3
  close_first:
  FileClose $R2
  done:
  ClearErrors
FunctionEnd

; An upgrade never loses a jokes.txt the user changed: when it differs from the one this
; installer brings, it moves to the first free name of my-jokes.txt, my-jokes-2.txt, ...
Function KeepChangedJokes
  ${IfNot} ${FileExists} "$INSTDIR\jokes.txt"
    Return
  ${EndIf}
  InitPluginsDir
  File "/oname=$PLUGINSDIR\jokes.txt" "${STAGE}\jokes.txt"
  StrCpy $R0 "$INSTDIR\jokes.txt"
  StrCpy $R1 "$PLUGINSDIR\jokes.txt"
  Call FilesDiffer
  ${If} $R9 = 1
    StrCpy $Kept "${KEPT_JOKES}.txt"
    StrCpy $R8 1
    ${While} ${FileExists} "$INSTDIR\$Kept"
      IntOp $R8 $R8 + 1
      StrCpy $Kept "${KEPT_JOKES}-$R8.txt"
    ${EndWhile}
    Rename "$INSTDIR\jokes.txt" "$INSTDIR\$Kept"
    DetailPrint "Your changed jokes.txt is kept as $Kept"
  ${EndIf}
FunctionEnd

Section "${PRODUCT} (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call KeepChangedJokes
  !insertmacro ZorbelInstallShippedFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The shortcut's working folder is the output path: the install folder.
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Zorbel.scr" "/c" "$INSTDIR\Zorbel.scr" 0 \
    SW_SHOWNORMAL "" "Choose the jokes the Zorbel screen saver shows and how long each stays"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zorbel.scr"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Chooses the saver the way Windows' own right-click Install does: SCRNSAVE.EXE holds the
; short (8.3) form of the program's path, and the screen saver is switched on.
Section "Use as my screen saver" SecUseAsSaver
  GetFullPathName /SHORT $0 "$INSTDIR\Zorbel.scr"
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR\Zorbel.scr"
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; SPI_SETSCREENSAVEACTIVE, with SPIF_UPDATEINIFILE | SPIF_SENDCHANGE: Windows takes the
  ; change at once.
  System::Call 'user32::SystemParametersInfoW(i 17, i 1, p 0, i 3)'
SectionEnd

Function OpenSetupWindow
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Zorbel.scr" /c'
FunctionEnd

Section "Uninstall"
  ; SCRNSAVE.EXE goes only while it still names this saver (in either form of its path),
  ; checked while the program is still there to be named; Windows then shows "(None)".
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCpy $1 "$INSTDIR\Zorbel.scr"
  GetFullPathName /SHORT $2 $1
  GetFullPathName /SHORT $3 $0
  StrCpy $4 0
  ${If} $0 == $1
  ${OrIf} $0 == $2
    StrCpy $4 1
  ${EndIf}
  ${If} $2 != ""
  ${AndIf} $3 == $2
    StrCpy $4 1
  ${EndIf}
  ${If} $0 != ""
  ${AndIf} $4 = 1
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  !insertmacro ZorbelRemoveShippedFiles
  Delete "$INSTDIR\Qorv.ini"
  Delete "$INSTDIR\Qorv.ini.new"
  Delete "$INSTDIR\${KEPT_JOKES}.txt"
  Delete "$INSTDIR\${KEPT_JOKES}-*.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Not recursive: a folder holding files of the user's own stays, with them.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
