# Building for the browser with Debian's emscripten. Its toolchain file does
# the work; the build's programs run in headless Chromium (scripts/with-browser)
# rather than under node, since they draw through WebGL.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/with-browser)
