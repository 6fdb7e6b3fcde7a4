# Test helpers shared by every folder under tests/.
#
# brisel_unit_test(NAME SOURCES src... [LIBS lib...])
#   A GoogleTest program. Host build: each test case is one CTest test.
#   Windows build: the program runs under Wine (one CTest test per program).
# brisel_wine_test(NAME COMMAND cmd... [RESOURCE_LOCK lock...])
#   Any command that needs the booted Wine prefix of this build tree.
# brisel_wine_rerun(NAME PROGRAM LOCALE locale [ARGS arg...] [ENVIRONMENT var=value...]
#                   [RESOURCE_LOCK lock...])
#   Runs a test program of brisel_unit_test again under Wine with another
#   Linux locale (C.UTF-8: code page 1252, English display language).
#
# Under Wine every test needs the fixture "wine": the prefix is booted once
# before the first such test and its wineserver stopped after the last.
include(GoogleTest)

set(BRISEL_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run)
set(BRISEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

if(BRISEL_WINDOWS)
  add_test(NAME wine_boot COMMAND ${BRISEL_WINE_RUN} ${BRISEL_WINEPREFIX} --boot)
  set_tests_properties(wine_boot PROPERTIES FIXTURES_SETUP wine TIMEOUT 320)
  add_test(NAME wine_stop COMMAND ${BRISEL_WINE_RUN} ${BRISEL_WINEPREFIX} --stop)
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# The properties every test under Wine shares: the booted prefix, the test
# folder, its environment and its locks.
function(_brisel_wine_properties name environment locks)
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} ENVIRONMENT "${environment}")
  if(locks)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${locks}")
  endif()
endfunction()

function(brisel_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  # Test support (archive builder, file helpers) is included as "support/...".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(BRISEL_WINDOWS)
    add_test(NAME ${name} COMMAND ${name})
    _brisel_wine_properties(${name} "" "${ARG_RESOURCE_LOCK}")
  else()
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "BRISEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()

function(brisel_wine_test name)
  cmake_parse_arguments(ARG "" "" "COMMAND;RESOURCE_LOCK" ${ARGN})
  add_test(NAME ${name} COMMAND ${ARG_COMMAND})
  _brisel_wine_properties(${name}
    "WINE_RUN=${BRISEL_WINE_RUN};WINEPREFIX_DIR=${BRISEL_WINEPREFIX};BRISEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};BRISEL_BUILD_DIR=${CMAKE_BINARY_DIR}"
    "${ARG_RESOURCE_LOCK}")
endfunction()

function(brisel_wine_rerun name program)
  cmake_parse_arguments(ARG "" "LOCALE" "ARGS;ENVIRONMENT;RESOURCE_LOCK" ${ARGN})
  add_test(NAME ${name} COMMAND ${program} ${ARG_ARGS})
  _brisel_wine_properties(${name} "BRISEL_WINE_LOCALE=${ARG_LOCALE};${ARG_ENVIRONMENT}"
    "${ARG_RESOURCE_LOCK}")
endfunction()
