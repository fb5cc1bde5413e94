# SPDX-License-Identifier: GPL-3.0-or-later
# How tests are registered: GoogleTest executables, programs in a real window, and tests that run
# a command. The Windows build runs each test executable whole under Wine.
include(GoogleTest)

# Programs that open a real window. In the sanitizer build Mesa's driver is preloaded, so that it
# is still loaded at the leak check on exit: once unloaded, its allocations are reported under
# "<unknown module>", which no suppression can name. Set for the tests and the benchmarks.
file(GLOB MESA_DRIVER /usr/lib/*/dri/swrast_dri.so /usr/lib/dri/swrast_dri.so)
set(GL_TEST_ENVIRONMENT "")
if(PEXARO_SANITIZE AND MESA_DRIVER)
  list(GET MESA_DRIVER 0 driver)
  set(GL_TEST_ENVIRONMENT ENVIRONMENT "LD_PRELOAD=${driver}")
endif()

set(WINE_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")

# A test that runs a command; COMMAND and PROPERTIES as for add_test and set_tests_properties.
function(pexaro_add_command_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND;PROPERTIES")
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  if(arg_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${arg_PROPERTIES})
  endif()
endfunction()

# The prefix and its server, made before the Wine tests and stopped after them.
function(pexaro_add_wine_prefix)
  foreach(step start stop)
    pexaro_add_command_test(windows.WinePrefix.${step}
      COMMAND bash ${PROJECT_SOURCE_DIR}/tests/windows/wine.sh ${step}
      PROPERTIES LABELS windows TIMEOUT 300
                 ENVIRONMENT "${WINE_ENVIRONMENT};WINE=${CMAKE_CROSSCOMPILING_EMULATOR}")
  endforeach()
  set_tests_properties(windows.WinePrefix.start PROPERTIES FIXTURES_SETUP WinePrefix)
  set_tests_properties(windows.WinePrefix.stop PROPERTIES FIXTURES_CLEANUP WinePrefix)
endfunction()

# A GoogleTest executable made of SOURCES, linked with LIBRARIES and GoogleTest's main, and its
# cases registered; FIXTURES they need, PROPERTIES as for set_tests_properties. Under Wine,
# listing the cases would start Wine once more per executable, and at build time.
function(pexaro_add_gtests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;FIXTURES;PROPERTIES")
  add_executable(${target} ${arg_SOURCES})
  pexaro_target_warnings(${target})
  target_link_libraries(${target} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
  if(WIN32)
    set(fixtures WinePrefix ${arg_FIXTURES})
    pexaro_add_command_test(windows.${target} COMMAND ${target}
      PROPERTIES LABELS windows TIMEOUT 900 FIXTURES_REQUIRED "${fixtures}"
                 ENVIRONMENT "${WINE_ENVIRONMENT}")
  else()
    set(properties ${arg_PROPERTIES})
    if(arg_FIXTURES)
      list(APPEND properties FIXTURES_REQUIRED ${arg_FIXTURES})
    endif()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
  endif()
endfunction()

# Test executables that open a real window; arguments as for pexaro_add_gtests.
function(pexaro_add_gl_gtests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;FIXTURES;PROPERTIES")
  pexaro_add_gtests(${target} SOURCES ${arg_SOURCES} LIBRARIES ${arg_LIBRARIES}
                    FIXTURES ${arg_FIXTURES}
                    PROPERTIES LABELS gl ${arg_PROPERTIES} ${GL_TEST_ENVIRONMENT})
endfunction()
