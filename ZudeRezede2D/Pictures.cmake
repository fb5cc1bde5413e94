# SPDX-License-Identifier: GPL-3.0-or-later
# Picture files to pixels, and the workers that do it in the background: no window, no OpenGL,
# so that the decoder's tests and the fuzz targets link this library alone. Included by the
# engine's CMakeLists.txt and by the fuzz build.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET GLOBAL sdl)
pkg_check_modules(SDL_IMAGE REQUIRED IMPORTED_TARGET GLOBAL SDL_image)
pkg_check_modules(SDL_GFX REQUIRED IMPORTED_TARGET GLOBAL SDL_gfx)
# Photos: upright by their EXIF orientation, JPEGs decoded at the size they are shown.
pkg_check_modules(LIBEXIF REQUIRED IMPORTED_TARGET libexif)
find_package(JPEG REQUIRED)

add_library(ZudeRezede2DPictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Video/BackgroundDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/ExifOrientation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/ExifPreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/ExifReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/Picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/PictureDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/PictureJob.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/PictureLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/ReducedJpegDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/RgbaShrink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Video/UprightTurn.cpp
)
pexaro_target_warnings(ZudeRezede2DPictures)
target_include_directories(ZudeRezede2DPictures PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(ZudeRezede2DPictures
  PUBLIC Common PkgConfig::SDL
  PRIVATE PkgConfig::SDL_IMAGE PkgConfig::SDL_GFX PkgConfig::LIBEXIF JPEG::JPEG
)
