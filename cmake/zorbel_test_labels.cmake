# Every test carries one label that says what it needs, so that one tier can run alone
# (ctest -L unit, or the "quick" test preset):
#   unit  the headless platform and other display-free checks, seconds in all
#   x11   the Linux saver on a virtual display
#   deb   the Debian package and the saver under the hosts it is made for
#   wine  the real Zorbel.scr and its tools under Wine
#   fuzz  the fuzz targets
#   web   the page in headless Chromium
# The test "every_test_labelled" fails for a test that has none.
set(ZORBEL_TEST_KINDS unit x11 deb wine fuzz web)

# zorbel_label_tests(KIND TEST...): gives the tests, already added, the label KIND.
function(zorbel_label_tests kind)
  if(NOT kind IN_LIST ZORBEL_TEST_KINDS)
    message(FATAL_ERROR "Test kind \"${kind}\" is none of: ${ZORBEL_TEST_KINDS}")
  endif()
  set_property(TEST ${ARGN} APPEND PROPERTY LABELS ${kind})
  # Suites that spend their time waiting on a display or a package start before the unit
  # suites, which fill the gaps, even in a build that has not yet timed its tests.
  if(kind MATCHES "^(x11|deb|wine|web)$")
    set_property(TEST ${ARGN} PROPERTY COST 100)
    # They read the screen with tesseract, whose threads spin while they wait for each
    # other: beside other suites on a few cores, one thread reads the same text in a
    # quarter of the processor time, and sooner.
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT OMP_THREAD_LIMIT=1)
  endif()
endfunction()

# zorbel_gtest_suite(TARGET KIND): the GoogleTest cases of TARGET as tests labelled KIND.
function(zorbel_gtest_suite target kind)
  if(NOT kind IN_LIST ZORBEL_TEST_KINDS)
    message(FATAL_ERROR "Test kind \"${kind}\" is none of: ${ZORBEL_TEST_KINDS}")
  endif()
  gtest_discover_tests(${target} PROPERTIES LABELS ${kind})
endfunction()
