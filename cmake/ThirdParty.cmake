# The libraries of the Windows and the browser builds, from their upstream
# sources: Debian has no mingw-w64 or wasm builds of them. Each is pinned to one upstream commit, here and
# nowhere else, and the tarball's own commit id (git archive writes it) must
# match the pin. Each is built once per build tree, into third-party/prefix,
# when the tree is first configured; later builds of the game only link it.
#
# The tarballs come from MORVEX_THIRD_PARTY_DIR, by default the shared folder
# beside the checkout; with MORVEX_THIRD_PARTY_DOWNLOAD=ON a missing one is
# fetched from its upstream repository at the pinned commit instead.

# name | file | upstream repository | commit
set(MORVEX_THIRD_PARTY
  "SDL2|SDL-release-2.32.10.tar.gz|libsdl-org/SDL|5d249570393f7a37e037abf22cd6012a4cc56a71"
  "sdl12-compat|sdl12-compat-release-1.2.76.tar.gz|libsdl-org/sdl12-compat|293b4cbd9eea61b18b9c9425d0c9200bff037360"
  "SDL_ttf|SDL_ttf-SDL-1.2-3c4233732b94.tar.gz|libsdl-org/SDL_ttf|3c4233732b94ce08d5f6a868e597af39e13f8b23"
  "freetype|freetype-VER-2-13-3.tar.gz|freetype/freetype|42608f77f20749dd6ddc9e0536788eaad70ea4b5")

cmake_path(ABSOLUTE_PATH CMAKE_SOURCE_DIR OUTPUT_VARIABLE _default_dir)
cmake_path(GET _default_dir PARENT_PATH _default_dir)
set(MORVEX_THIRD_PARTY_DIR ${_default_dir}/shared/third-party CACHE PATH
    "Folder holding the upstream tarballs of the Windows and browser builds' libraries")
option(MORVEX_THIRD_PARTY_DOWNLOAD "Fetch a missing library tarball from upstream at its pinned commit" OFF)

set(_tp ${CMAKE_BINARY_DIR}/third-party)
set(MORVEX_THIRD_PARTY_PREFIX ${_tp}/prefix)

# Unpacks library NAME into ${NAME}_SOURCE_DIR, after checking its commit.
function(morvex_unpack name)
  foreach(_entry IN LISTS MORVEX_THIRD_PARTY)
    string(REPLACE "|" ";" _entry "${_entry}")
    list(GET _entry 0 _name)
    if(_name STREQUAL name)
      list(GET _entry 1 _file)
      list(GET _entry 2 _repo)
      list(GET _entry 3 _commit)
    endif()
  endforeach()
  set(_tarball ${MORVEX_THIRD_PARTY_DIR}/${_file})
  if(NOT EXISTS ${_tarball} AND MORVEX_THIRD_PARTY_DOWNLOAD)
    set(_tarball ${_tp}/download/${_file})
    file(DOWNLOAD https://github.com/${_repo}/archive/${_commit}.tar.gz ${_tarball} STATUS _status)
    list(GET _status 0 _code)
    if(NOT _code EQUAL 0)
      message(FATAL_ERROR "Could not fetch ${_repo} at ${_commit}: ${_status}")
    endif()
  endif()
  if(NOT EXISTS ${_tarball})
    message(FATAL_ERROR "${_file} is not in ${MORVEX_THIRD_PARTY_DIR}: set MORVEX_THIRD_PARTY_DIR to the folder that "
                        "holds it, or MORVEX_THIRD_PARTY_DOWNLOAD=ON to fetch it from ${_repo}")
  endif()
  execute_process(COMMAND gzip -dc ${_tarball} COMMAND git get-tar-commit-id
                  OUTPUT_VARIABLE _found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT _found STREQUAL _commit)
    message(FATAL_ERROR "${_tarball} was made from commit '${_found}', not from ${_commit}, which the build is pinned to")
  endif()
  set(_into ${_tp}/src/${name})
  if(NOT EXISTS ${_into}/.unpacked-${_commit})
    file(REMOVE_RECURSE ${_into})
    file(ARCHIVE_EXTRACT INPUT ${_tarball} DESTINATION ${_into}.tmp)
    # One top folder, whatever it is called (git archive's prefix or GitHub's).
    file(GLOB _top LIST_DIRECTORIES true ${_into}.tmp/*)
    file(RENAME ${_top} ${_into})
    file(REMOVE_RECURSE ${_into}.tmp)
    # The revision, where a release tarball keeps it: without it SDL asks git,
    # which answers with the commit of the checkout around the build tree.
    file(WRITE ${_into}/REVISION.txt "${_commit}\n")
    file(TOUCH ${_into}/.unpacked-${_commit})
  endif()
  set(${name}_SOURCE_DIR ${_into} PARENT_SCOPE)
  set(${name}_COMMIT ${_commit} PARENT_SCOPE)
endfunction()

# Configures, builds and installs library NAME with CMake into the prefix,
# once: a stamp names the commit it was built from.
function(morvex_build name)
  morvex_unpack(${name})
  set(_stamp ${MORVEX_THIRD_PARTY_PREFIX}/stamps/${name}-${${name}_COMMIT})
  if(EXISTS ${_stamp})
    return()
  endif()
  message(STATUS "Building ${name} for ${CMAKE_SYSTEM_NAME} (once per build tree)")
  set(_src ${${name}_SOURCE_DIR})
  set(_build ${_tp}/build/${name})
  file(REMOVE_RECURSE ${_build})
  # No build path in what is shipped, and no link time in the PE headers, so
  # the packages come out the same wherever and whenever they are built.
  # Dates the build writes into the library (__DATE__, __TIME__) are its
  # commit's, which git archive gave every file it packed.
  file(TIMESTAMP ${_src}/CMakeLists.txt _epoch "%s" UTC)
  set(ENV{SOURCE_DATE_EPOCH} ${_epoch})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${_src} -B ${_build} -G ${CMAKE_GENERATOR}
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_INSTALL_PREFIX=${MORVEX_THIRD_PARTY_PREFIX}
      "-DCMAKE_C_FLAGS=-ffile-prefix-map=${_src}=${name} -ffile-prefix-map=${_build}=${name} ${MORVEX_THIRD_PARTY_C_FLAGS}"
      ${MORVEX_THIRD_PARTY_LINKER_FLAGS}
      ${ARGN}
    RESULT_VARIABLE _result OUTPUT_QUIET)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "Configuring ${name} failed")
  endif()
  include(ProcessorCount)
  ProcessorCount(_cores)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${_build} --parallel ${_cores} RESULT_VARIABLE _result OUTPUT_QUIET)
  if(_result EQUAL 0)
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${_build} RESULT_VARIABLE _result OUTPUT_QUIET)
  endif()
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "Building ${name} failed")
  endif()
  unset(ENV{SOURCE_DATE_EPOCH})
  file(MAKE_DIRECTORY ${MORVEX_THIRD_PARTY_PREFIX}/stamps)
  file(TOUCH ${_stamp})
endfunction()

set(_prefix ${MORVEX_THIRD_PARTY_PREFIX})
if(WIN32)
  set(MORVEX_THIRD_PARTY_LINKER_FLAGS "-DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc -Wl,--no-insert-timestamp -s")
  # SDL 2 with only what an OpenGL window with keys and sound needs.
  morvex_build(SDL2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON -DSDL_JOYSTICK=OFF
    -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_VULKAN=OFF -DSDL_OPENGLES=OFF -DSDL_RENDER_D3D=OFF)
  # SDL 1.2's interface over SDL 2, which it loads as SDL2.dll at run time.
  morvex_build(sdl12-compat -DSDL12TESTS=OFF -DSDL12DEVEL=ON -DSDL2_DIR=${MORVEX_THIRD_PARTY_PREFIX}/lib/cmake/SDL2)
  add_library(morvex_sdl SHARED IMPORTED GLOBAL)
  set_target_properties(morvex_sdl PROPERTIES
    IMPORTED_LOCATION ${_prefix}/bin/SDL.dll
    IMPORTED_IMPLIB ${_prefix}/lib/libSDL.dll.a
    INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include/SDL)
elseif(EMSCRIPTEN)
  # SDL 2's own browser backend under sdl12-compat, as on Windows
  # (cmake/emscripten/SDL2Symbols.cmake says how they meet without dlopen).
  include(${CMAKE_CURRENT_LIST_DIR}/emscripten/SDL2Symbols.cmake)
endif()

morvex_build(freetype -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_BROTLI=ON
  -DFT_DISABLE_ZLIB=ON -DBUILD_SHARED_LIBS=OFF)
morvex_unpack(SDL_ttf)
add_library(morvex_freetype STATIC IMPORTED GLOBAL)
set_target_properties(morvex_freetype PROPERTIES
  IMPORTED_LOCATION ${_prefix}/lib/libfreetype.a
  INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include/freetype2)
# SDL_ttf is one C file: built here, as a static library, with the upstream's
# own warnings left alone.
add_library(morvex_sdl_ttf STATIC ${SDL_ttf_SOURCE_DIR}/SDL_ttf.c)
target_include_directories(morvex_sdl_ttf SYSTEM PUBLIC ${SDL_ttf_SOURCE_DIR})
target_link_libraries(morvex_sdl_ttf PUBLIC morvex_sdl PRIVATE morvex_freetype)
set_target_properties(morvex_sdl_ttf PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
target_compile_options(morvex_sdl_ttf PRIVATE -w -ffile-prefix-map=${SDL_ttf_SOURCE_DIR}=SDL_ttf)

if(WIN32)
  # The DLLs the game ships with, beside it.
  set(MORVEX_RUNTIME_DLLS ${_prefix}/bin/SDL.dll ${_prefix}/bin/SDL2.dll)
  # Windows looks for a program's DLLs beside it first: the game, its tests and
  # benchmarks find them there in the build tree too.
  foreach(_dir ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/tests ${CMAKE_BINARY_DIR}/bench)
    file(COPY ${MORVEX_RUNTIME_DLLS} DESTINATION ${_dir})
  endforeach()
endif()
