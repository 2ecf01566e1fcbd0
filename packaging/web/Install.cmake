# The browser game in one folder that any static web host serves: the page
# at its top, the program (JavaScript and WebAssembly), the three data files
# the page fetches beside it, a README for whoever hosts it and every licence
# of what is shipped. Packed by CPack's External generator (Pack.cmake).
set(_licences ${CMAKE_BINARY_DIR}/licences)
set(_tp ${MORVEX_THIRD_PARTY_PREFIX}/../src)
file(MAKE_DIRECTORY ${_licences})
foreach(_pair "${PROJECT_SOURCE_DIR}/LICENSE:Morvex.txt" "${_tp}/SDL2/LICENSE.txt:SDL2.txt"
              "${_tp}/sdl12-compat/LICENSE.txt:sdl12-compat.txt" "${_tp}/SDL_ttf/COPYING:SDL_ttf.txt"
              "${_tp}/freetype/docs/FTL.TXT:FreeType.txt"
              "/usr/share/doc/fonts-dejavu-core/copyright:DejaVu-fonts.txt"
              "/usr/share/doc/emscripten/copyright:emscripten.txt")
  string(REPLACE ":" ";" _pair "${_pair}")
  list(GET _pair 0 _from)
  list(GET _pair 1 _to)
  configure_file(${_from} ${_licences}/${_to} COPYONLY)
endforeach()

install(FILES $<TARGET_FILE:morvex> $<TARGET_FILE_DIR:morvex>/morvex.wasm DESTINATION .)
install(FILES platform/emscripten/index.html assets/morvex.ico assets/food.bmp assets/snake.bmp DESTINATION .)
install(FILES ${MORVEX_FONT_SOURCE} DESTINATION . RENAME verdana.ttf)
install(FILES packaging/web/README.txt DESTINATION .)
install(DIRECTORY ${_licences}/ DESTINATION licences)

set(CPACK_PACKAGE_NAME morvex)
set(CPACK_PACKAGE_FILE_NAME morvex-${PROJECT_VERSION}-web)
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/web/Pack.cmake)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Read by Pack.cmake.
set(CPACK_MORVEX_SOURCE_DIR ${PROJECT_SOURCE_DIR})
include(CPack)
