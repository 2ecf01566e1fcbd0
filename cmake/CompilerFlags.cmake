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

# Hardening as Debian builds its packages: stack protection, fortified libc
# calls (these need optimisation, so not in Debug builds) and a read-only
# relocation table bound at start-up.
target_compile_options(morvex_flags INTERFACE -fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
target_link_options(morvex_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
