# Install layout as Debian's games use it, and CPack's Debian package:
#   cpack -G DEB      (in build/) gives morvex_<version>_<arch>.deb

# The package installs under /usr; "cmake --install --prefix" may put the
# same layout elsewhere, since the launcher finds everything from its own place.
set(MORVEX_PACKAGE_PREFIX /usr)
set(MORVEX_BINARY_DIR lib/games/morvex)
set(MORVEX_DATA_DIR share/games/morvex)
set(MORVEX_VERSION ${PROJECT_VERSION})
set(_pkg ${CMAKE_BINARY_DIR}/packaging)

# The launcher changes into the data folder, where the game finds its files.
configure_file(packaging/morvex.in ${_pkg}/morvex @ONLY)

# The font is DejaVu Sans from fonts-dejavu-core, linked rather than copied,
# by a relative link as Debian wants within /usr.
set(_font_link ${MORVEX_FONT_SOURCE})
cmake_path(RELATIVE_PATH _font_link BASE_DIRECTORY ${MORVEX_PACKAGE_PREFIX}/${MORVEX_DATA_DIR})
file(CREATE_LINK ${_font_link} ${_pkg}/verdana.ttf SYMBOLIC)

# Manual page and changelog, compressed as Debian wants them.
configure_file(packaging/morvex.6 ${_pkg}/morvex.6 @ONLY)
configure_file(packaging/changelog ${_pkg}/changelog @ONLY)
foreach(_doc morvex.6 changelog)
  add_custom_command(OUTPUT ${_pkg}/${_doc}.gz
    COMMAND gzip -9nc ${_pkg}/${_doc} > ${_pkg}/${_doc}.gz
    DEPENDS ${_pkg}/${_doc})
endforeach()
add_custom_target(morvex_docs ALL DEPENDS ${_pkg}/morvex.6.gz ${_pkg}/changelog.gz)

install(TARGETS morvex RUNTIME DESTINATION ${MORVEX_BINARY_DIR})
install(PROGRAMS ${_pkg}/morvex DESTINATION games)
install(FILES assets/food.bmp assets/snake.bmp ${_pkg}/verdana.ttf DESTINATION ${MORVEX_DATA_DIR})
install(FILES packaging/morvex.desktop DESTINATION share/applications)
install(FILES assets/morvex-32.png DESTINATION share/icons/hicolor/32x32/apps RENAME morvex.png)
install(FILES assets/morvex-64.png DESTINATION share/icons/hicolor/64x64/apps RENAME morvex.png)
install(FILES ${_pkg}/morvex.6.gz DESTINATION share/man/man6)
install(FILES packaging/copyright ${_pkg}/changelog.gz DESTINATION share/doc/morvex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${MORVEX_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Morvex developers <developers@morvex.invalid>")
# CPack indents every line after the first by one space itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "small real-time snake game
Steer a snake with the arrow keys over a board of 24 by 24 cells that
wraps around at every edge. Eating the food makes the snake longer and
scores 5 points; running into its own body ends the round.
.
Morvex draws with OpenGL through SDL 1.2 and needs no configuration.")
# Run-time libraries are read off the built binary by dpkg-shlibdeps; see
# cmake/CPackDepends.cmake for why it is run from there.
set(CPACK_MORVEX_BINARY ${CMAKE_BINARY_DIR}/morvex)
set(CPACK_MORVEX_SHLIBS_LOCAL ${CMAKE_SOURCE_DIR}/packaging/shlibs.local)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/CPackDepends.cmake)
include(CPack)
