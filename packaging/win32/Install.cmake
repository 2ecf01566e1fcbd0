# The Windows game in one folder, as the zip and the installer ship it: the
# program, the two DLLs it loads, its three data files (it reads them from its
# working folder), a README for Windows players and every licence of what is
# shipped. Packed by CPack's External generator (packaging/win32/Pack.cmake).
set(_licences ${CMAKE_BINARY_DIR}/licences)
include(${PROJECT_SOURCE_DIR}/packaging/Licences.cmake)
morvex_licences(${_licences})

install(TARGETS morvex RUNTIME DESTINATION .)
install(FILES ${MORVEX_RUNTIME_DLLS} DESTINATION .)
install(FILES assets/food.bmp assets/snake.bmp DESTINATION .)
install(FILES ${MORVEX_FONT_SOURCE} DESTINATION . RENAME verdana.ttf)
install(FILES packaging/win32/README.txt DESTINATION .)
install(DIRECTORY ${_licences}/ DESTINATION licences)

set(CPACK_PACKAGE_NAME morvex)
set(CPACK_PACKAGE_FILE_NAME morvex-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR External)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/win32/Pack.cmake)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Read by Pack.cmake.
set(CPACK_MORVEX_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_MORVEX_VERSION ${PROJECT_VERSION})
include(CPack)
