# The program's version as every download names it, read from the line of the program's
# source that sets kAppVersion, so that it is written in one place only. Sets
# ZORBEL_APP_VERSION (for example 4beta1) and re-runs the configure step when that line changes.
file(GLOB version_headers ${PROJECT_SOURCE_DIR}/*/*.h)
set(ZORBEL_APP_VERSION "")
foreach(header IN LISTS version_headers)
  file(STRINGS ${header} version_line REGEX "kAppVersion *= *\"[^\"]+\"")
  if(version_line)
    string(REGEX REPLACE ".*kAppVersion *= *\"([^\"]+)\".*" "\\1" ZORBEL_APP_VERSION "${version_line}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
    break()
  endif()
endforeach()
if(NOT ZORBEL_APP_VERSION MATCHES "^[A-Za-z0-9.]+$")
  message(FATAL_ERROR "No kAppVersion = \"...\" found in a header of the program's folders")
endif()
