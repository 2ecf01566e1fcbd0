# One place for the compiler flags every target of the project shares.
add_library(morvex_flags INTERFACE)

# Warnings are errors so that nothing slips in quietly.
target_compile_options(morvex_flags INTERFACE -Wall -Wextra -Wpedantic -Werror)

option(MORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(MORVEX_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(morvex_flags INTERFACE ${_san})
  target_link_options(morvex_flags INTERFACE ${_san})
endif()
