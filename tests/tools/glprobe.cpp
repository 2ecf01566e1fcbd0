// Says whether OpenGL works on the current display the way the game asks for
// it, so a test that breaks the driver can first make sure it is broken:
// glprobe prints the renderer and exits 0, or exits 1.
#include <GL/gl.h>
#include <SDL.h>

#include <cstdio>

int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) < 0) {
    std::fprintf(stderr, "glprobe: SDL_Init: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Surface* screen = SDL_SetVideoMode(64, 64, 32, SDL_OPENGL);
  const GLubyte* renderer = screen != nullptr ? glGetString(GL_RENDERER) : nullptr;
  if (renderer == nullptr) {
    std::fprintf(stderr, "glprobe: no OpenGL: %s\n", SDL_GetError());
    SDL_Quit();
    return 1;
  }
  std::printf("%s\n", reinterpret_cast<const char*>(renderer));
  SDL_Quit();
  return 0;
}
