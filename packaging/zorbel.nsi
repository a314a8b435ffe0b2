; The per-user installer: no administrator rights, everything in the user's own
; %LOCALAPPDATA%\Programs\Zorbel, a Start-menu shortcut to the setup window (the only way in:
; the saver opens setup for the exact "/c" alone), an Apps & features entry and an uninstaller
; that removes what the installer put there and keeps what the user made unless asked.
; The build passes, with -D:
;   VERSION        the version the program reports, as the user sees it (4beta1)
;   FILE_VERSION   the same as four numbers, for the version records
;   VERSION_MAJOR, VERSION_MINOR  its first two numbers, for Apps & features
;   PRODUCT, PUBLISHER, COPYRIGHT  the names every version record carries
;   ICON           the product's icon file
;   WEB_HOST       the maker's web host the program's addresses use
;   STAGE          the folder holding the shipped files, one of them jokes.txt
;   SHIPPED_NSH    the build's list of those files (macros ZorbelInstallShippedFiles and
;                  ZorbelRemoveShippedFiles)
;   OUTFILE        the installer to write
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include nsDialogs.nsh
!include WinMessages.nsh
!include "${SHIPPED_NSH}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorbel"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT} settings.lnk"
!define UNINSTALLER "Uninstall.exe"
; A jokes.txt the user changed is kept under this name (then -2, -3 ...) when an upgrade
; brings a different one; README.txt gives the name.
!define KEPT_JOKES "my-jokes"
; The lock every running copy of the program holds (its single-instance check).
!define INSTANCE_MUTEX "Local\ZorbelJokeScreensaverInstance"
; Uninstall.exe /S /DELETEMYFILES also deletes the settings and the user's own jokes.
!define DELETE_SWITCH "/DELETEMYFILES"

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
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup and Uninstall"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
; WriteUninstaller copies this record into Uninstall.exe too.

Var Upgrade        ; 1 when a copy is installed already
Var UpgradeNote    ; the Welcome page's first paragraph on an upgrade
Var Kept           ; the name an upgrade kept the user's changed jokes.txt under
Var FinishNote     ; the Finish page's first paragraph when it did
Var DeleteMine     ; 1: the uninstaller deletes the settings and the user's jokes too
Var DeleteBox      ; the confirm page's tick box
Var KeptFiles      ; the files the uninstaller kept, one a line

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TITLE "Welcome to ${PRODUCT} ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "$UpgradeNote\
  This installs ${PRODUCT} for you alone, in your own folder \
  $\"$INSTDIR$\". It needs no administrator rights.$\r$\n$\r$\n\
  Its options are set in its own setup window, which the Start menu opens: look for \
  $\"${PRODUCT} settings$\". Windows' Settings... button in the Screen Saver Settings does \
  nothing for this saver.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CloseRunningCopy
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "${PRODUCT} is installed"
!define MUI_FINISHPAGE_TEXT "$FinishNoteTo change the saver's options later, open \
  $\"${PRODUCT} settings$\" from the Start menu.$\r$\n$\r$\nClick Finish to close this wizard."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the Zorbel setup window now"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenSetupWindow
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the README"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_PAGE_CUSTOMFUNCTION_SHOW MakeRoomForFinishNote
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ConfirmPage un.ConfirmLeave
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "${PRODUCT} is uninstalled"
!define MUI_FINISHPAGE_TEXT "$KeptFiles$\r$\nClick Finish to close this wizard."
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; --- Shared by the installer and the uninstaller (UN is "" or "un.").
!macro ZorbelSharedFunctions UN

; Sets $R9 to 1 when the files $R0 and $R1 hold different bytes (or one cannot be read),
; to 0 when they are the same.
Function ${UN}FilesDiffer
  StrCpy $R9 1
  ClearErrors
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

; Sets $R9 to 1 when SCRNSAVE.EXE names $R0\Zorbel.scr (in its long or short form), to 2 when
; it names another saver, to 0 when it names none.
Function ${UN}WhichSaverIsChosen
  ReadRegStr $R1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCpy $R9 0
  ${If} $R1 != ""
    StrCpy $R9 2
    StrCpy $R2 "$R0\Zorbel.scr"
    GetFullPathName /SHORT $R3 $R2
    GetFullPathName /SHORT $R4 $R1
    ${If} $R1 == $R2
    ${OrIf} $R1 == $R3
      StrCpy $R9 1
    ${EndIf}
    ${If} $R3 != ""
    ${AndIf} $R4 == $R3
      StrCpy $R9 1
    ${EndIf}
  ${EndIf}
  ; GetFullPathName of a saver that is not there sets the error flag; it means nothing here.
  ClearErrors
FunctionEnd

; Returns only once no copy of the program runs (its lock is free). Interactively it asks the
; user to close it, with Retry and Cancel; silently it waits up to 10 seconds. Cancel, or the
; time running out, ends this installer or uninstaller before it has changed anything, with
; a non-zero exit status.
Function ${UN}CloseRunningCopy
  StrCpy $R8 0
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .R9'
    ${If} $R9 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R9)'
    ${If} ${Silent}
      IntOp $R8 $R8 + 1
      ${If} $R8 > 100
        SetErrorLevel 3
        Quit
      ${EndIf}
      Sleep 100
    ${Else}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running: its setup window \
        or the screen saver is open.$\r$\n$\r$\nClose it, then click Retry. Cancel stops \
        here and changes nothing." IDRETRY retry
      SetErrorLevel 1
      Quit
      retry:
    ${EndIf}
  ${Loop}
FunctionEnd

!macroend
!insertmacro ZorbelSharedFunctions ""
!insertmacro ZorbelSharedFunctions "un."

; --- The installer.

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
    StrCpy $FinishNote "Your changed jokes.txt is kept as $Kept in the program's folder, and \
      this version's jokes.txt is in its place. To show your jokes again, copy them from \
      $Kept into jokes.txt, or rename $Kept to jokes.txt.$\r$\n$\r$\n"
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
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  ; The maker's site and the product's page, where the program's beta notice sends reports.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://${WEB_HOST}/"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "http://${WEB_HOST}/zorbel/"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zorbel.scr"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The choice of "Use as my screen saver", offered again by the next upgrade; the section
  ; below sets it to 1 when chosen.
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "UseAsScreenSaver" 0
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Chooses the saver the way Windows' own right-click Install does: SCRNSAVE.EXE holds the
; short (8.3) form of the program's path, and the screen saver is switched on.
Section "Use as my screen saver" SecUseAsSaver
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "UseAsScreenSaver" 1
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

; On an upgrade the Welcome page says so, and "Use as my screen saver" starts as the user
; left it at the last install, cleared whenever another saver is chosen now.
Function .onInit
  Call CloseRunningCopy
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIfNot} ${FileExists} "$0\Zorbel.scr"
    Return
  ${EndIf}
  StrCpy $Upgrade 1
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  StrCpy $UpgradeNote "${PRODUCT} $1 is installed already. Installing ${VERSION} upgrades it: your \
    settings are kept, and so are your own jokes.$\r$\n$\r$\n"
  ClearErrors
  ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "UseAsScreenSaver"
  ${IfNot} ${Errors}
  ${AndIf} $1 = 0
    !insertmacro UnselectSection ${SecUseAsSaver}
  ${EndIf}
  StrCpy $R0 $0
  Call WhichSaverIsChosen
  ${If} $R9 = 2
    !insertmacro UnselectSection ${SecUseAsSaver}
  ${EndIf}
FunctionEnd

; PlaceControl CONTROL LEFT TOP WIDTH HEIGHT: moves the control, in dialog units.
!macro PlaceControl CONTROL LEFT TOP WIDTH HEIGHT
  System::Call '*(i ${LEFT}, i ${TOP}, i ${WIDTH}, i ${HEIGHT}) p .r0'
  System::Call 'user32::MapDialogRect(p $HWNDPARENT, p r0)'
  System::Call '*$0(i .r1, i .r2, i .r3, i .r4)'
  System::Free $0
  System::Call 'user32::SetWindowPos(p ${CONTROL}, p 0, i r1, i r2, i r3, i r4, i 0x14)'
!macroend

; The Finish page's text is taller when it names the kept jokes; its tick boxes move down.
Function MakeRoomForFinishNote
  ${If} $FinishNote != ""
    !insertmacro PlaceControl $mui.FinishPage.Text 120 45 195 95
    !insertmacro PlaceControl $mui.FinishPage.Run 120 145 195 10
    !insertmacro PlaceControl $mui.FinishPage.ShowReadme 120 165 195 10
  ${EndIf}
FunctionEnd

Function OpenSetupWindow
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Zorbel.scr" /c'
FunctionEnd

; --- The uninstaller.

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "${DELETE_SWITCH}" $1
  ${IfNot} ${Errors}
    StrCpy $DeleteMine 1
  ${Else}
    StrCpy $DeleteMine 0
  ${EndIf}
  Call un.CloseRunningCopy
FunctionEnd

; The confirm page: the folder, and a tick box (cleared unless the switch was given) that
; also deletes the settings and the user's own jokes.
Function un.ConfirmPage
  !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" "Remove ${PRODUCT} from your computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "${PRODUCT} will be uninstalled from the folder below. \
    Click Uninstall to start."
  Pop $0
  ${NSD_CreateLabel} 0 30u 100% 10u "Uninstalling from:"
  Pop $0
  ${NSD_CreateText} 0 42u 100% 12u "$INSTDIR"
  Pop $0
  SendMessage $0 ${EM_SETREADONLY} 1 0
  ${NSD_CreateCheckbox} 0 66u 100% 10u "Also delete my settings and my own jokes"
  Pop $DeleteBox
  ${If} $DeleteMine = 1
    ${NSD_Check} $DeleteBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 80u 95% 36u "Left cleared, your settings (Qorv.ini), a jokes.txt you \
    changed and your ${KEPT_JOKES}*.txt files stay in the folder, for you or a later install."
  Pop $0
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.ConfirmLeave
  ${NSD_GetState} $DeleteBox $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $DeleteMine 1
  ${Else}
    StrCpy $DeleteMine 0
  ${EndIf}
  Call un.CloseRunningCopy
FunctionEnd

!macro ZorbelKeep NAME
  StrCpy $KeptFiles "$KeptFiles    ${NAME}$\r$\n"
!macroend

; A shipped file the user may have changed: removed when it is as shipped or when the user
; asked, else kept.
!macro ZorbelRemoveIfUnchanged NAME
  ${If} $DeleteMine = 1
    Delete "$INSTDIR\${NAME}"
  ${ElseIf} ${FileExists} "$INSTDIR\${NAME}"
    InitPluginsDir
    File "/oname=$PLUGINSDIR\${NAME}" "${STAGE}\${NAME}"
    StrCpy $R0 "$INSTDIR\${NAME}"
    StrCpy $R1 "$PLUGINSDIR\${NAME}"
    Call un.FilesDiffer
    ${If} $R9 = 1
      !insertmacro ZorbelKeep "${NAME}"
    ${Else}
      Delete "$INSTDIR\${NAME}"
    ${EndIf}
  ${EndIf}
!macroend

Section "Uninstall"
  ; SCRNSAVE.EXE goes only while it still names this saver, checked while the program is
  ; still there to be named; Windows then shows "(None)".
  StrCpy $R0 $INSTDIR
  Call un.WhichSaverIsChosen
  ${If} $R9 = 1
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  StrCpy $KeptFiles ""
  !insertmacro ZorbelRemoveShippedFiles
  ; What a save cut off before its rename leaves: today's temporaries, and the one name
  ; earlier versions wrote through.
  Delete "$INSTDIR\Qorv.ini.*.tmp"
  Delete "$INSTDIR\Qorv.ini.new"
  ${If} $DeleteMine = 1
    Delete "$INSTDIR\Qorv.ini"
    Delete "$INSTDIR\${KEPT_JOKES}.txt"
    Delete "$INSTDIR\${KEPT_JOKES}-*.txt"
  ${Else}
    ${If} ${FileExists} "$INSTDIR\Qorv.ini"
      !insertmacro ZorbelKeep "Qorv.ini"
    ${EndIf}
    FindFirst $0 $1 "$INSTDIR\${KEPT_JOKES}*.txt"
    ${DoWhile} $1 != ""
      !insertmacro ZorbelKeep "$1"
      FindNext $0 $1
    ${Loop}
    FindClose $0
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Not recursive: a folder holding files of the user's own stays, with them.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ${If} $KeptFiles != ""
    StrCpy $KeptFiles "${PRODUCT} is removed. These files of yours were kept, in the folder \
      $\"$INSTDIR$\":$\r$\n$\r$\n$KeptFiles$\r$\nA later install uses them again. To delete \
      them, delete the folder.$\r$\n"
  ${Else}
    StrCpy $KeptFiles "${PRODUCT} is removed from your computer.$\r$\n"
  ${EndIf}
SectionEnd
