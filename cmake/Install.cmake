# On Windows everything goes into one folder, the game's working folder:
# packaging/win32/Install.cmake.
if(WIN32)
  include(${PROJECT_SOURCE_DIR}/packaging/win32/Install.cmake)
  return()
endif()
# In the browser, one folder for a web host: packaging/web/Install.cmake.
if(EMSCRIPTEN)
  include(${PROJECT_SOURCE_DIR}/packaging/web/Install.cmake)
  return()
endif()

# Install layout as Debian's games use it: the launcher in games/, the program
# in lib/games/morvex, its data in share/games/morvex. "cmake --install
# --prefix" may put it anywhere, since the launcher finds everything from its
# own place. The Debian package (debian/) installs this and adds the menu
# entry, icons, metainfo and manual page.
set(MORVEX_BINARY_DIR lib/games/morvex)
set(MORVEX_DATA_DIR share/games/morvex)
set(_pkg ${CMAKE_BINARY_DIR}/packaging)

# The launcher changes into the data folder, where the game finds its files.
configure_file(packaging/morvex.in ${_pkg}/morvex @ONLY)

# The font is DejaVu Sans from fonts-dejavu-core, linked rather than copied,
# by a link relative to the data folder, as Debian wants within /usr.
set(_font_link ${MORVEX_FONT_SOURCE})
cmake_path(RELATIVE_PATH _font_link BASE_DIRECTORY /usr/${MORVEX_DATA_DIR})
file(CREATE_LINK ${_font_link} ${_pkg}/verdana.ttf SYMBOLIC)

install(TARGETS morvex RUNTIME DESTINATION ${MORVEX_BINARY_DIR})
install(PROGRAMS ${_pkg}/morvex DESTINATION games)
install(FILES assets/food.bmp assets/snake.bmp ${_pkg}/verdana.ttf DESTINATION ${MORVEX_DATA_DIR})
