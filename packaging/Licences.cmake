# The licence texts a package for another system carries, in FOLDER: the
# game's, those of the libraries built from their pinned sources, the font's,
# and any further FROM:TO pairs given.
function(morvex_licences folder)
  set(_tp ${MORVEX_THIRD_PARTY_PREFIX}/../src)
  file(MAKE_DIRECTORY ${folder})
  foreach(_pair "${PROJECT_SOURCE_DIR}/LICENSE:Morvex.txt" "${_tp}/SDL2/LICENSE.txt:SDL2.txt"
                "${_tp}/sdl12-compat/LICENSE.txt:sdl12-compat.txt" "${_tp}/SDL_ttf/COPYING:SDL_ttf.txt"
                "${_tp}/freetype/docs/FTL.TXT:FreeType.txt"
                "/usr/share/doc/fonts-dejavu-core/copyright:DejaVu-fonts.txt" ${ARGN})
    string(REPLACE ":" ";" _pair "${_pair}")
    list(GET _pair 0 _from)
    list(GET _pair 1 _to)
    configure_file(${_from} ${folder}/${_to} COPYONLY)
  endforeach()
endfunction()
