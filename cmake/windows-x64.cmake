# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with MinGW-w64 (posix threads: std::thread and std::mutex need
# them) against the libraries scripts/build-windows.sh puts into PEXARO_WINDOWS_PREFIX.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PEXARO_WINDOWS_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PEXARO_WINDOWS_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PEXARO_WINDOWS_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${PEXARO_WINDOWS_HOST}-windres)

if(NOT IS_DIRECTORY "${PEXARO_WINDOWS_PREFIX}")
  message(FATAL_ERROR "PEXARO_WINDOWS_PREFIX ('${PEXARO_WINDOWS_PREFIX}') names no folder: "
                      "scripts/build-windows.sh builds the libraries and sets it")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PEXARO_WINDOWS_PREFIX)

# Libraries and headers from the prefix and the MinGW sysroot only, programs from the build host.
set(CMAKE_FIND_ROOT_PATH ${PEXARO_WINDOWS_PREFIX} /usr/${PEXARO_WINDOWS_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every library in the prefix is static: pkg-config has to name their own dependencies too.
set(ENV{PKG_CONFIG_LIBDIR} ${PEXARO_WINDOWS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --static)

# The compiler's own runtime linked in as well, so that the executables need no DLL of MinGW's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the executables under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
