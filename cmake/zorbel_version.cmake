# The program's version, written once: kAppVersion in app/program.h. Included before
# project(), this reads it and derives what every version record needs:
#   ZORBEL_APP_VERSION      the text the program reports and the downloads' names carry (4beta1)
#   ZORBEL_VERSION_NUMBERS  the same as four numbers, major.minor.0.beta (4.0.0.1); a
#                           release without "betaN" has 0 as its fourth number
# and the names every record carries: ZORBEL_PRODUCT, ZORBEL_PUBLISHER, ZORBEL_COPYRIGHT.
set(version_header ${CMAKE_CURRENT_LIST_DIR}/../app/program.h)
file(STRINGS ${version_header} version_line REGEX "kAppVersion *= *\"[^\"]+\"")
string(REGEX REPLACE ".*kAppVersion *= *\"([^\"]+)\".*" "\\1" ZORBEL_APP_VERSION "${version_line}")
if(NOT ZORBEL_APP_VERSION MATCHES "^([0-9]+)(\\.([0-9]+))?(beta([0-9]+))?$")
  message(FATAL_ERROR "kAppVersion in app/program.h is \"${ZORBEL_APP_VERSION}\", not like 4, 4.1 or 4beta1")
endif()
set(minor "${CMAKE_MATCH_3}")
set(beta "${CMAKE_MATCH_5}")
if(minor STREQUAL "")
  set(minor 0)
endif()
if(beta STREQUAL "")
  set(beta 0)
endif()
set(ZORBEL_VERSION_NUMBERS "${CMAKE_MATCH_1}.${minor}.0.${beta}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_header})

set(ZORBEL_PRODUCT "Zorbel Joke Screensaver")
set(ZORBEL_PUBLISHER "Tarnwick Entertainment")
set(ZORBEL_COPYRIGHT "Copyright (C) 2026 ${ZORBEL_PUBLISHER}")
