/* sdl12-compat's dlopen and dlsym in the browser: SDL 2 is linked into the
   program under renamed functions (SDL2Symbols.cmake), and a lookup of SDL 2's
   own name finds the renamed one here. Compiled with the renaming header, so
   SDL_Init below means SDL2x_Init. */
#include <stddef.h>
#include <string.h>

#include "SDL.h"
#include "SDL_syswm.h"

/* SDL 2 defines SDL_CreateThread under its own name whatever is renamed; a
   page has no threads, and the game starts none. */
static SDL_Thread *noThread(void) {
  SDL_SetError("threads are not available in the browser");
  return NULL;
}
#define SDL2x_CreateThread noThread
#define SDL2x_CreateThreadWithStackSize noThread

struct symbol {
  const char *name;
  void *function;
};

static const struct symbol SYMBOLS[] = {
/* Every function sdl12-compat asks for, by the list it asks from. */
#define SDL20_SYM(rc, fn, params, args, ret) {"SDL_" #fn, (void *)SDL2x_##fn},
#include "SDL20_syms.h"
};

static int library; /* the one "library": its address is the handle */

void *morvex_sdl2_open(const char *name, int flags) {
  (void)name;
  (void)flags;
  return &library;
}

void *morvex_sdl2_symbol(void *handle, const char *name) {
  (void)handle;
  for (size_t i = 0; i < sizeof SYMBOLS / sizeof SYMBOLS[0]; ++i) {
    if (strcmp(SYMBOLS[i].name, name) == 0) {
      return SYMBOLS[i].function;
    }
  }
  return NULL;
}

int morvex_sdl2_close(void *handle) {
  (void)handle;
  return 0;
}
