#include "render/Window.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>

#include "platform/DisplayErrorTrap.h"
#include "platform/SDLError.h"
#include "render/RgbaMasks.h"
#include "render/Surface.h"

namespace {

// Most wanted first: depth in bits, then alpha in bits.
constexpr CFramebufferRequest FRAMEBUFFER_REQUESTS[] = {
    {32, 8}, {24, 8}, {16, 8}, {0, 8}, {24, 0}, {16, 0}, {0, 0},
};

}  // namespace

SDL_Surface* setVideoMode(int width, int height, const CFramebufferRequest& request) {
  // With fewer bits a channel the colours on screen would not be the game's
  // own (the help box's 48, 48, 48 among them). Mesa's software drivers, on
  // which the tests draw, give 8 bits whatever is asked, so no test can see
  // a smaller request here.
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, request.alphaBits);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, request.depthBits);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  return SDL_SetVideoMode(width, height, 32, SDL_OPENGL);
}

CWindow::CWindow(int gameWidth, int gameHeight, const std::string& caption, const VideoModeSetter& setMode,
                 const CDesktopScale& desktop)
    : width(gameWidth), height(gameHeight), pixelsPerUnit(desktop.multipleFor(std::max(gameWidth, gameHeight))) {
  // The caption goes first so the window carries it from the moment it appears.
  SDL_WM_SetCaption(caption.c_str(), nullptr);

  // An OpenGL driver that cannot make a context may say so only through an
  // X error, after the video mode seems to be set.
  const CDisplayErrorTrap trap;
  screen = nullptr;
  SDL_ClearError();
  for (const CFramebufferRequest& request : FRAMEBUFFER_REQUESTS) {
    screen = setMode(width * pixelsPerUnit, height * pixelsPerUnit, request);
    if (screen != nullptr) {
      break;
    }
  }
  if (screen == nullptr) {
    throw CSDLError("SDL_SetVideoMode", "no OpenGL framebuffer with 8 bits of red, green and blue");
  }
  trap.check("SDL_SetVideoMode");

  // The projection stays in game pixels; the viewport alone enlarges, so a
  // quad on whole game pixels covers whole squares of device pixels.
  glViewport(0, 0, width * pixelsPerUnit, height * pixelsPerUnit);
  // SDL on SDL2 may hand back the OpenGL context of an earlier video mode, so
  // both matrices start from the identity rather than from what was left.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  // Everything else draws on the modelview matrix, left as the identity.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  // The mode is a name, so it is set as an integer: emulations of OpenGL 1.1
  // over WebGL take it no other way.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

// SDL keeps the display surface for itself; the window closes when SDL shuts down.
CWindow::~CWindow() { SDL_FreeSurface(screen); }

void CWindow::fillRect(int x, int y, int w, int h, std::uint32_t colour) {
  glEnable(GL_BLEND);
  glColor4ub(static_cast<GLubyte>(colour >> 16), static_cast<GLubyte>(colour >> 8), static_cast<GLubyte>(colour),
             static_cast<GLubyte>(colour >> 24));
  glBegin(GL_QUADS);
  glVertex2i(x, y);
  glVertex2i(x + w, y);
  glVertex2i(x + w, y + h);
  glVertex2i(x, y + h);
  glEnd();
  glDisable(GL_BLEND);
}

void CWindow::clear(std::uint32_t colour) { fillRect(0, 0, width, height, colour); }

void CWindow::flip() { SDL_GL_SwapBuffers(); }

void CWindow::setIcon(int side, const std::vector<std::uint8_t>& rgba) {
  // SDL copies the pixels; the surface only lends them for the call.
  std::vector<std::uint8_t> pixels = rgba;
  const CSurface icon(SDL_CreateRGBSurfaceFrom(pixels.data(), side, side, 32, side * 4, RGBA_BYTES.red,
                                               RGBA_BYTES.green, RGBA_BYTES.blue, RGBA_BYTES.alpha));
  if (icon) {
    SDL_WM_SetIcon(icon.get(), nullptr);
  }
}
