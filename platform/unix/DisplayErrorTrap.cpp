#include "platform/DisplayErrorTrap.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstring>

#include "platform/SDLError.h"

namespace {

// Xlib's handlers are plain functions with no room for user data, so the
// armed trap can only be found through this one pointer.
CDisplayErrorTrap* armed = nullptr;

// Only write(): the handlers may run in the middle of anything, stdio included.
[[noreturn]] void endWith(const std::string& line) {
  const std::string text = "Morvex: " + line + "\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
  // Not exit(): its handlers would shut SDL down over the broken connection.
  _exit(1);
}

std::string describe(Display* display, const XErrorEvent* event) {
  char text[256] = "";
  XGetErrorText(display, event->error_code, text, sizeof text);
  return std::string(text) + " in X request " + std::to_string(event->request_code) + "." +
         std::to_string(event->minor_code);
}

int onProtocolError(Display* display, XErrorEvent* event) {
  if (armed != nullptr) {
    armed->keep(describe(display, event));
    return 0;
  }
  // Outside start-up the usual cause is a window destroyed by another client.
  endWith("lost the display: " + describe(display, event));
}

int onConnectionLost(Display*) { endWith("lost the connection to the X display"); }

}  // namespace

void CDisplayErrorTrap::watchDisplay() {
  XSetErrorHandler(onProtocolError);
  XSetIOErrorHandler(onConnectionLost);
}

CDisplayErrorTrap::CDisplayErrorTrap() : outer(armed) { armed = this; }

CDisplayErrorTrap::~CDisplayErrorTrap() { armed = outer; }

void CDisplayErrorTrap::keep(const std::string& error) {
  if (caught.empty()) {
    caught = error;
  }
}

void CDisplayErrorTrap::check(const std::string& context) const {
  SDL_SysWMinfo info;
  std::memset(&info, 0, sizeof info);
  SDL_VERSION(&info.version);
  if (SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display != nullptr) {
    XSync(info.info.x11.display, False);
  }
  if (!caught.empty()) {
    SDL_SetError("the X server refused it: %s", caught.c_str());
    throw CSDLError(context);
  }
}
