// What the X11 or Wayland desktop says of its scale.
#include "platform/DesktopScale.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <link.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/unix/X11Scale.h"
#include "xdg-output-client.h"

namespace {

// X11, over a connection of our own.
CDesktopScale ofX11() {
  const std::unique_ptr<Display, decltype(&XCloseDisplay)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) {
    return {};
  }
  return scaleOfX11Display(display.get());
}

// Wayland: the first output the compositor announces, over a connection of
// our own: its size in device pixels (the current mode), in the desktop's
// own units (xdg-output's logical size) and its whole scale (wl_output).
struct COutputState {
  wl_output* output = nullptr;
  zxdg_output_manager_v1* manager = nullptr;
  int scale = 1;
  int width = 0;
  int height = 0;
  int logicalWidth = 0;
  int logicalHeight = 0;
};

void onGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t) {}
void onMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
  if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
    static_cast<COutputState*>(data)->width = width;
    static_cast<COutputState*>(data)->height = height;
  }
}
void onDone(void*, wl_output*) {}
void onScale(void* data, wl_output*, int32_t factor) { static_cast<COutputState*>(data)->scale = factor; }
constexpr wl_output_listener OUTPUT_LISTENER = {onGeometry, onMode, onDone, onScale, nullptr, nullptr};

void onLogicalPosition(void*, zxdg_output_v1*, int32_t, int32_t) {}
void onLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
  static_cast<COutputState*>(data)->logicalWidth = width;
  static_cast<COutputState*>(data)->logicalHeight = height;
}
void onXdgDone(void*, zxdg_output_v1*) {}
void onName(void*, zxdg_output_v1*, const char*) {}
void onDescription(void*, zxdg_output_v1*, const char*) {}
constexpr zxdg_output_v1_listener XDG_OUTPUT_LISTENER = {onLogicalPosition, onLogicalSize, onXdgDone, onName,
                                                         onDescription};

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  auto* state = static_cast<COutputState*>(data);
  // The scale event came with version 2; names and descriptions (4) are not needed.
  if (state->output == nullptr && std::strcmp(interface, wl_output_interface.name) == 0 && version >= 2) {
    state->output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
    wl_output_add_listener(state->output, &OUTPUT_LISTENER, state);
  } else if (state->manager == nullptr && std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
    state->manager = static_cast<zxdg_output_manager_v1*>(
        wl_registry_bind(registry, name, &zxdg_output_manager_v1_interface, std::min(version, 2u)));
  }
}
void onGlobalRemove(void*, wl_registry*, uint32_t) {}
constexpr wl_registry_listener REGISTRY_LISTENER = {onGlobal, onGlobalRemove};

// What the output says, once its proxies are gone.
struct COutputReading {
  int factor = 1;
  // Its device pixels are exactly `factor` times its units.
  bool whole = true;
  int width = 0;
  int height = 0;
};

COutputReading readWayland() {
  const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(wl_display_connect(nullptr),
                                                                              wl_display_disconnect);
  if (!display) {
    return {};
  }
  COutputState state;
  wl_registry* registry = wl_display_get_registry(display.get());
  wl_registry_add_listener(registry, &REGISTRY_LISTENER, &state);
  // The first round trip announces the globals, the second the output's state.
  wl_display_roundtrip(display.get());
  zxdg_output_v1* xdgOutput = nullptr;
  if (state.output != nullptr && state.manager != nullptr) {
    xdgOutput = zxdg_output_manager_v1_get_xdg_output(state.manager, state.output);
    zxdg_output_v1_add_listener(xdgOutput, &XDG_OUTPUT_LISTENER, &state);
  }
  wl_display_roundtrip(display.get());
  COutputReading reading;
  reading.factor =
      CDesktopScale::factorOfOutput(state.width, state.height, state.logicalWidth, state.logicalHeight, state.scale);
  reading.whole = CDesktopScale::outputScaleIsWhole(state.width, state.height, state.logicalWidth, state.logicalHeight);
  reading.width = state.width;
  reading.height = state.height;
  if (xdgOutput != nullptr) {
    zxdg_output_v1_destroy(xdgOutput);
  }
  if (state.manager != nullptr) {
    zxdg_output_manager_v1_destroy(state.manager);
  }
  if (state.output != nullptr) {
    wl_output_destroy(state.output);
  }
  wl_registry_destroy(registry);
  return reading;
}

// SDL 3 (under sdl2-compat) is asked to map one window pixel to one device
// pixel on Wayland, so a window of 768 is 768 device pixels. SDL 2 sizes its
// Wayland windows in the compositor's units and lets it enlarge them; asking
// it for more would make the window k times too large.
bool drawsInDevicePixels() {
  return dl_iterate_phdr(
             [](dl_phdr_info* info, std::size_t, void*) {
               return info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "libSDL3.so") != nullptr ? 1 : 0;
             },
             nullptr) != 0;
}

}  // namespace

CDesktopScale scaleOfX11Display(Display* display) {
  int factor = 1;
  if (const char* resources = XResourceManagerString(display)) {
    XrmInitialize();
    const std::unique_ptr<_XrmHashBucketRec, decltype(&XrmDestroyDatabase)> database(XrmGetStringDatabase(resources),
                                                                                     XrmDestroyDatabase);
    char* type = nullptr;
    XrmValue value{};
    if (database && XrmGetResource(database.get(), "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
      factor = CDesktopScale::factorOfDpi(value.addr);
    }
  }
  const int screen = DefaultScreen(display);
  return {factor, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

CDesktopScale CDesktopScale::ofDesktop() {
  char name[32] = {};
  if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
    return {};
  }
  const std::string driver = name;
  if (driver == "x11") {
    return ofX11();
  }
  if (driver != "wayland") {
    return {};
  }
  const COutputReading output = readWayland();
  if (drawsInDevicePixels()) {
    return {output.factor, output.width, output.height};
  }
  // SDL 2 hands the compositor a buffer of the window's size in its units,
  // which the compositor then stretches, blurred. Asked for high DPI, it
  // hands over a buffer of the output's scale instead, and SDL 1.2 on top of
  // it enlarges the game's picture into that buffer (its OpenGL scaling,
  // nearest as CSDLSystem sets it). So the window is asked for at one unit a
  // game pixel, and each game pixel becomes a square of device pixels. Only
  // at whole factors: at 150 % the squares would be uneven, and the
  // compositor's stretching is left as it was. A player's own setting stands.
  if (output.factor > 1 && output.whole) {
    setenv("SDL12COMPAT_HIGHDPI", "1", 0);
  }
  return {};
}
