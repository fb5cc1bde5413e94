# SPDX-License-Identifier: GPL-3.0-or-later
# Tests that start built programs from shell scripts: on both SDL 1.2 libraries, end to end in the
# virtual display, the installed game, and the Windows build under Wine.

# Tests that depend on the window and on input also run on sdl12-compat, the SDL 1.2 of current
# distributions (the SDL 1.2 interface over SDL2). It installs beside the classic library and is
# chosen at run time; EXPECT_SDL makes the scripts check that it was the one loaded.
set(SDL12_COMPAT_DIR /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/sdl12-compat)
set(PEXARO_COMPAT_TESTS OFF)
if(NOT WIN32 AND NOT PEXARO_SANITIZE)
  if(EXISTS ${SDL12_COMPAT_DIR}/libSDL-1.2.so.0)
    set(PEXARO_COMPAT_TESTS ON)
  else()
    message(WARNING "sdl12-compat is not installed in ${SDL12_COMPAT_DIR}: no compat tests")
  endif()
endif()

# Arguments as for pexaro_add_command_test.
function(pexaro_add_test_on_both_sdl name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND;PROPERTIES")
  pexaro_add_command_test(${name} COMMAND ${arg_COMMAND} PROPERTIES ${arg_PROPERTIES})
  if(PEXARO_COMPAT_TESTS)
    pexaro_add_command_test(compat.${name} COMMAND ${arg_COMMAND} PROPERTIES ${arg_PROPERTIES})
    set_tests_properties(compat.${name} PROPERTIES LABELS compat ENVIRONMENT
                         "LD_LIBRARY_PATH=${SDL12_COMPAT_DIR};EXPECT_SDL=${SDL12_COMPAT_DIR}/")
  endif()
endfunction()

# End-to-end scripts of tests/e2e/ start a built program in the virtual display and drive it with
# xdotool; they run alone, since they read the screen.
function(pexaro_add_e2e_test name script program)
  pexaro_add_test_on_both_sdl(${name}
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/${script} $<TARGET_FILE:${program}>
    PROPERTIES LABELS "gl;e2e" RUN_SERIAL TRUE TIMEOUT 120 ${GL_TEST_ENVIRONMENT})
endfunction()

# A script of tests/install/, which installs the build into a temporary prefix of its own.
function(pexaro_add_install_test name script)
  pexaro_add_command_test(install.${name}
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/${script} ${CMAKE_BINARY_DIR} ${ARGN}
    PROPERTIES LABELS install TIMEOUT 300)
endfunction()

# A script on the build host that starts the Windows executables through Wine ($WINE) itself.
function(pexaro_add_wine_script_test name)
  pexaro_add_command_test(${name} COMMAND bash ${ARGN}
    PROPERTIES LABELS windows RUN_SERIAL TRUE TIMEOUT 600 FIXTURES_REQUIRED WinePrefix
               ENVIRONMENT "${WINE_ENVIRONMENT};WINE=${CMAKE_CROSSCOMPILING_EMULATOR}")
endfunction()
