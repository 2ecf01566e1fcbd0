# SDL 1.2 in the browser: sdl12-compat over SDL 2's emscripten backend, both
# from their pinned sources, as on Windows. Emscripten's own SDL 1.2 is a
# JavaScript imitation (no colour keys, no conversion after the GL mode, no
# locking, no error texts), so it would need a seam in every layer.
#
# sdl12-compat finds SDL 2 with dlopen and dlsym by SDL 2's own names, which
# are SDL 1.2's too. A page has no shared libraries, so here SDL 2 is built
# with every public function renamed (SDL_Init becomes SDL2x_Init, by a header
# every one of its sources includes first), and sdl12-compat's dlopen and
# dlsym are two functions of ours that look the names up in a table of them.

morvex_unpack(SDL2)
set(_names ${CMAKE_BINARY_DIR}/third-party/sdl2-names.h)
if(NOT EXISTS ${_names})
  # SDL 2's list of its public functions, the one its dynamic API is made of.
  file(STRINGS ${SDL2_SOURCE_DIR}/src/dynapi/SDL_dynapi_procs.h _procs REGEX "^SDL_DYNAPI_PROC\\(")
  # Emscripten 3.1.6 predates EM_JS_DEPS; what it names is given to the link
  # instead (MORVEX_WEB_LINK_OPTIONS).
  set(_text "#define EM_JS_DEPS(tag, deps) extern int morvex_js_deps_##tag\n")
  foreach(_proc IN LISTS _procs)
    if(_proc MATCHES "^SDL_DYNAPI_PROC\\([^,]*,SDL_([A-Za-z0-9_]+),")
      string(APPEND _text "#define SDL_${CMAKE_MATCH_1} SDL2x_${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  file(WRITE ${_names}.tmp "${_text}")
  file(RENAME ${_names}.tmp ${_names})
endif()

set(MORVEX_THIRD_PARTY_C_FLAGS "-include ${_names}")
# Only what a GL window with keys and sound needs.
morvex_build(SDL2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON -DSDL_JOYSTICK=OFF
  -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF)
unset(MORVEX_THIRD_PARTY_C_FLAGS)
morvex_unpack(sdl12-compat)

set(_prefix ${MORVEX_THIRD_PARTY_PREFIX})
# sdl12-compat is built against SDL 2's headers; what uses it sees SDL 1.2's.
add_library(morvex_sdl12_compat STATIC ${sdl12-compat_SOURCE_DIR}/src/SDL12_compat.c ${CMAKE_CURRENT_LIST_DIR}/SDL2Symbols.c)
target_include_directories(morvex_sdl12_compat SYSTEM PRIVATE ${_prefix}/include/SDL2)
set_source_files_properties(${sdl12-compat_SOURCE_DIR}/src/SDL12_compat.c PROPERTIES
  COMPILE_OPTIONS "-Ddlopen=morvex_sdl2_open;-Ddlsym=morvex_sdl2_symbol;-Ddlclose=morvex_sdl2_close")
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/SDL2Symbols.c PROPERTIES
  COMPILE_OPTIONS "-include;${_names};-I${sdl12-compat_SOURCE_DIR}/src")
target_link_libraries(morvex_sdl12_compat PUBLIC ${_prefix}/lib/libSDL2.a)
set_target_properties(morvex_sdl12_compat PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
target_compile_options(morvex_sdl12_compat PRIVATE -w -ffile-prefix-map=${sdl12-compat_SOURCE_DIR}=sdl12-compat)
# sdl12-compat writes the date it was built into the program; this clang has
# no SOURCE_DATE_EPOCH, so the date is its commit's, as for the other
# libraries (morvex_build), and the package comes out the same whenever built.
file(TIMESTAMP ${sdl12-compat_SOURCE_DIR}/CMakeLists.txt _month "%b" UTC)
file(TIMESTAMP ${sdl12-compat_SOURCE_DIR}/CMakeLists.txt _day "%d" UTC)
file(TIMESTAMP ${sdl12-compat_SOURCE_DIR}/CMakeLists.txt _year "%Y" UTC)
file(TIMESTAMP ${sdl12-compat_SOURCE_DIR}/CMakeLists.txt _time "%H:%M:%S" UTC)
string(REGEX REPLACE "^0" " " _day "${_day}")
target_compile_options(morvex_sdl12_compat PRIVATE -Wno-builtin-macro-redefined
  "-D__DATE__=\"${_month} ${_day} ${_year}\"" "-D__TIME__=\"${_time}\"")
add_library(morvex_sdl INTERFACE)
target_include_directories(morvex_sdl SYSTEM INTERFACE ${sdl12-compat_SOURCE_DIR}/include/SDL)
target_link_libraries(morvex_sdl INTERFACE morvex_sdl12_compat)
