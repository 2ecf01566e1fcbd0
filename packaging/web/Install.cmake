# The browser game in one folder that any static web host serves: the page
# at its top, the program (JavaScript and WebAssembly), the three data files
# the page fetches beside it, a README for whoever hosts it and every licence
# of what is shipped. Packed by CPack's External generator (Pack.cmake).
set(_licences ${CMAKE_BINARY_DIR}/licences)
include(${PROJECT_SOURCE_DIR}/packaging/Licences.cmake)
morvex_licences(${_licences} "/usr/share/doc/emscripten/copyright:emscripten.txt")

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
