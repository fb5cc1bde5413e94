# SPDX-License-Identifier: GPL-3.0-or-later
# What the game reads from files without a window: the layout and key of game.dat and the check of
# picture names. The game, pexaro-gamedat and the fuzz targets link it. Included by the game's
# CMakeLists.txt and by the fuzz build.
add_library(PexaroGameData STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GameDatLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFile.cpp
)
pexaro_target_warnings(PexaroGameData)
target_include_directories(PexaroGameData PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(PexaroGameData PUBLIC Common)
