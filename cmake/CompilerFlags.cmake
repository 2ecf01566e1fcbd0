# One place for the compiler flags every target of the project shares.
add_library(morvex_flags INTERFACE)

# Beyond the usual: a name that hides another (a constructor's parameter
# included), a class with virtual functions but a plain destructor, format
# strings that are not literals, C casts and casts that drop const.
target_compile_options(morvex_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wformat=2 -Wcast-qual
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual>)
# Errors only when asked (CMAKE_COMPILE_WARNING_AS_ERROR): the developers'
# presets and CI ask, so nothing slips in quietly; a package build on a newer
# compiler must not fail on a warning.

option(MORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(MORVEX_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(morvex_flags INTERFACE ${_san})
  target_link_options(morvex_flags INTERFACE ${_san})
endif()

# Coverage for libFuzzer and its sanitizers, on everything the fuzz targets
# link; needs clang.
option(MORVEX_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(MORVEX_FUZZ)
  target_compile_options(morvex_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
  target_link_options(morvex_flags INTERFACE -fsanitize=address,undefined)
endif()

# Hardening as Debian builds its packages: stack protection, fortified libc
# calls (these need optimisation, so not in Debug builds) and a read-only
# relocation table bound at start-up. A build whose flags already choose a
# fortification level (Debian's own, say) keeps it. WebAssembly keeps return
# addresses off the memory a program can write, and emscripten's C library
# has no stack guard to check.
if(NOT EMSCRIPTEN)
  target_compile_options(morvex_flags INTERFACE -fstack-protector-strong)
endif()
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  target_compile_options(morvex_flags INTERFACE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
if(EMSCRIPTEN)
  # The browser: errors travel as exceptions to the entry, which emscripten
  # only catches when asked at both compile and link time. The game's one
  # blocking loop sleeps 100 ms a pass; Asyncify lets the page run meanwhile.
  # OpenGL 1.1 comes from emscripten's emulation over WebGL 2, which the
  # texture upload's row length needs. The page is told the exit status.
  target_compile_options(morvex_flags INTERFACE -fexceptions)
  target_link_options(morvex_flags INTERFACE -fexceptions -sASYNCIFY -sLEGACY_GL_EMULATION -sMAX_WEBGL_VERSION=2
                      -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
elseif(WIN32)
  # Windows: the C++ and threads runtimes linked in, so the game ships with
  # no DLL but SDL's; no link time in the headers, so a build is reproducible.
  # ASLR and DEP are the linker's defaults there.
  # The stack protector's guard comes from libssp there, which only the
  # option at link time brings in.
  # A release carries no symbol table: stripped by the linker, since strip
  # itself would stamp the time into the program again.
  target_link_options(morvex_flags INTERFACE -static -fstack-protector-strong -Wl,--no-insert-timestamp
                      $<$<CONFIG:Release>:-s>)
else()
  target_link_options(morvex_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
