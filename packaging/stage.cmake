# Run at build time (cmake -P): puts the shipped files, given as FILES separated by "|",
# alone in the folder STAGE, and writes NSH, the installer's macros that install and
# remove exactly those files. The names in EDITABLE ("|" between them) are files a user
# may change: the uninstaller removes them through its macro ZorbelRemoveIfUnchanged.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "|" ";" files "${FILES}")
string(REPLACE "|" ";" editable "${EDITABLE}")
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
set(install_lines "")
set(remove_lines "")
foreach(path IN LISTS files)
  get_filename_component(name "${path}" NAME)
  if(EXISTS "${STAGE}/${name}")
    message(FATAL_ERROR "Two shipped files are named ${name}")
  endif()
  file(COPY "${path}" DESTINATION "${STAGE}")
  string(APPEND install_lines "  File \"${STAGE}/${name}\"\n")
  if(name IN_LIST editable)
    string(APPEND remove_lines "  !insertmacro ZorbelRemoveIfUnchanged \"${name}\"\n")
  else()
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${name}\"\n")
  endif()
endforeach()
file(WRITE "${NSH}"
  "; Written by the build: the shipped files, as packaging/CMakeLists.txt lists them.\n"
  "!macro ZorbelInstallShippedFiles\n${install_lines}!macroend\n"
  "!macro ZorbelRemoveShippedFiles\n${remove_lines}!macroend\n")
