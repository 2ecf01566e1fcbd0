/* sdl12-compat's dlopen and dlsym in the browser: SDL 2 is linked into the
   program under renamed functions (SDL2Symbols.cmake), and a lookup of SDL 2's
   own name finds the renamed one here. Compiled with the renaming header, so
   SDL_Init below means SDL2x_Init. */
#include <stddef.h>
#include <string.h>

#include "SDL.h"
#include "SDL_syswm.h"

/* SDL 2 defines SDL_CreateThread under its own name whatever is renamed (its
   source undoes the renaming), beside sdl12-compat's, which is why the linker
   warns of the two. A page has no threads, the game starts none, and neither
   is ever called: what sdl12-compat asks for is this one. */
static SDL_Thread* noThread(void) {
  SDL_SetError("threads are not available in the browser");
  return NULL;
}
#define SDL2x_CreateThread noThread
#define SDL2x_CreateThreadWithStackSize noThread

/* WebGL 2 rather than SDL 2's default of WebGL 1 (OpenGL ES 2.0): emscripten's
   OpenGL 1.1 emulation needs it for the pixel store's row length, and for
   reading the picture back. SDL 1.2 has no attribute for a context's version,
   so the one context sdl12-compat makes is asked for version 3 here. */
static SDL_GLContext createContext(SDL_Window* window) {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  return SDL_GL_CreateContext(window);
}

struct symbol {
  const char* name;
  void* function;
};

static const struct symbol SYMBOLS[] = {
/* Every function sdl12-compat asks for, by the list it asks from. */
#define SDL20_SYM(rc, fn, params, args, ret) {"SDL_" #fn, (void*)SDL2x_##fn},
#include "SDL20_syms.h"
};

/* Looked up before the list: names whose function here is one of ours. */
static const struct symbol OURS[] = {
    {"SDL_GL_CreateContext", (void*)createContext},
};

static int library; /* the one "library": its address is the handle */

void* morvex_sdl2_open(const char* name, int flags) {
  (void)name;
  (void)flags;
  return &library;
}

void* morvex_sdl2_symbol(void* handle, const char* name) {
  (void)handle;
  for (size_t i = 0; i < sizeof OURS / sizeof OURS[0]; ++i) {
    if (strcmp(OURS[i].name, name) == 0) {
      return OURS[i].function;
    }
  }
  for (size_t i = 0; i < sizeof SYMBOLS / sizeof SYMBOLS[0]; ++i) {
    if (strcmp(SYMBOLS[i].name, name) == 0) {
      return SYMBOLS[i].function;
    }
  }
  return NULL;
}

int morvex_sdl2_close(void* handle) {
  (void)handle;
  return 0;
}
