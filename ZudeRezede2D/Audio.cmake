# SPDX-License-Identifier: GPL-3.0-or-later
# The sound back end and the speech worker: no window, no OpenGL, so that their tests and the
# thread-checked build link this library alone. Included by the engine's CMakeLists.txt after
# Pictures.cmake, which finds SDL.
pkg_check_modules(SDL_MIXER REQUIRED IMPORTED_TARGET GLOBAL SDL_mixer)
pkg_check_modules(ESPEAK_NG REQUIRED IMPORTED_TARGET GLOBAL espeak-ng)

add_library(ZudeRezede2DAudio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Audio/MixerAudio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Audio/SpeechSynthesizer.cpp
)
pexaro_target_warnings(ZudeRezede2DAudio)
target_include_directories(ZudeRezede2DAudio PUBLIC ${PROJECT_SOURCE_DIR})
# SDL_mixer is public: the back end's header holds its chunks.
target_link_libraries(ZudeRezede2DAudio
  PUBLIC Common PkgConfig::SDL PkgConfig::SDL_MIXER
  PRIVATE PkgConfig::ESPEAK_NG
)
