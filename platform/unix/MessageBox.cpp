#include "platform/MessageBox.h"

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/unix/SignalWatch.h"
#include "platform/unix/X11Scale.h"

namespace {

// Sizes at 100 %, in pixels; at a larger scale each is that many times larger.
constexpr int MARGIN = 16;  // around the text and the button
constexpr int BUTTON_WIDTH = 80;
constexpr int BUTTON_HEIGHT = 26;
constexpr int MIN_TEXT_WIDTH = 220;        // so a short message still gets a box
constexpr int MAX_TEXT_WIDTH = 560;        // before a line is wrapped
constexpr int LINE_PIXELS = 13;            // the "fixed" font's line, ascent and descent
constexpr unsigned long PAPER = 0xE0E0E0;  // light grey background, 0xRRGGBB
constexpr unsigned long INK = 0x000000;

// The X connection, closed on every way out.
class CDisplay {
public:
  CDisplay() : display(XOpenDisplay(nullptr)) {}
  ~CDisplay() {
    if (display != nullptr) {
      XCloseDisplay(display);
    }
  }
  CDisplay(const CDisplay&) = delete;
  CDisplay& operator=(const CDisplay&) = delete;

  Display* const display;
};

// The box's letters. At 100 % the server's core font "fixed", as the box has
// always looked (or, where the server has no such font, its default one). At
// a larger whole scale a scalable monospace face through Xft at that multiple
// of the fixed font's pixel size: core fonts come in a few sizes only, and
// no X server scales them.
class CLettering {
public:
  CLettering(Display* connection, int screenNumber, int scale) : display(connection), screen(screenNumber) {
    if (scale > 1) {
      scalable = XftFontOpen(display, screen, XFT_FAMILY, XftTypeString, "monospace", XFT_PIXEL_SIZE, XftTypeDouble,
                             static_cast<double>(LINE_PIXELS * scale), nullptr);
    }
    if (scalable != nullptr) {
      ascent = scalable->ascent;
      descent = scalable->descent;
      return;
    }
    core = XLoadQueryFont(display, "fixed");
    ownCore = core != nullptr;
    if (!ownCore) {
      // The server's default font, which every new GC starts with. Its fid is
      // the default GC's own ID, not a font, so it is never set on a GC.
      core = XQueryFont(display, XGContextFromGC(DefaultGC(display, screen)));
    }
    if (core != nullptr) {
      ascent = core->ascent;
      descent = core->descent;
    }
  }
  ~CLettering() {
    detach();
    if (scalable != nullptr) {
      XftColorFree(display, DefaultVisual(display, screen), DefaultColormap(display, screen), &colour);
      XftFontClose(display, scalable);
    }
    if (ownCore) {
      XFreeFont(display, core);
    } else if (core != nullptr) {
      XFreeFontInfo(nullptr, core, 1);
    }
  }
  CLettering(const CLettering&) = delete;
  CLettering& operator=(const CLettering&) = delete;

  bool usable() const { return scalable != nullptr || core != nullptr; }
  // Pixels from one line to the next.
  int lineHeight() const { return ascent + descent; }

  int width(const std::string& text) const {
    if (scalable != nullptr) {
      XGlyphInfo extents{};
      XftTextExtentsUtf8(display, scalable, reinterpret_cast<const FcChar8*>(text.data()),
                         static_cast<int>(text.size()), &extents);
      return extents.xOff;
    }
    return XTextWidth(core, text.c_str(), static_cast<int>(text.size()));
  }

  // Draws into window through gc from here on.
  void attach(Window window, GC gc) {
    target = window;
    pen = gc;
    if (scalable != nullptr) {
      drawable = XftDrawCreate(display, window, DefaultVisual(display, screen), DefaultColormap(display, screen));
      const XRenderColor black{0, 0, 0, 0xFFFF};
      XftColorAllocValue(display, DefaultVisual(display, screen), DefaultColormap(display, screen), &black, &colour);
    } else if (ownCore) {
      XSetFont(display, gc, core->fid);
    }
  }

  // Stops drawing into the window, before it goes: Xft's picture of it must
  // not outlive it.
  void detach() {
    if (drawable != nullptr) {
      XftDrawDestroy(drawable);
      drawable = nullptr;
    }
  }

  // Draws text with its baseline's left end at (x, y).
  void draw(int x, int y, const std::string& text) const {
    if (drawable != nullptr) {
      XftDrawStringUtf8(drawable, &colour, scalable, x, y, reinterpret_cast<const FcChar8*>(text.data()),
                        static_cast<int>(text.size()));
    } else {
      XDrawString(display, target, pen, x, y, text.c_str(), static_cast<int>(text.size()));
    }
  }

  int ascent = 0;
  int descent = 0;

private:
  Display* display;
  int screen;
  XftFont* scalable = nullptr;
  XFontStruct* core = nullptr;
  bool ownCore = false;
  XftDraw* drawable = nullptr;
  XftColor colour{};
  Window target = 0;
  GC pen = nullptr;
};

// Splits at line feeds, then wraps lines wider than the box may be, at a
// blank where there is one.
std::vector<std::string> layOut(const std::string& text, const CLettering& font, int maxWidth) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(from, end - from);
    while (font.width(line) > maxWidth && line.size() > 1) {
      std::size_t cut = line.size() - 1;
      while (cut > 1 && font.width(line.substr(0, cut)) > maxWidth) {
        --cut;
      }
      const std::size_t blank = line.rfind(' ', cut);
      if (blank != std::string::npos && blank > 0) {
        cut = blank;
      }
      lines.push_back(line.substr(0, cut));
      line = line.substr(line[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(line);
    from = end + 1;
  }
  return lines;
}

// Where no box can be shown, the one line a terminal or a log still gets.
void writeToStandardError(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

Atom atom(Display* display, const char* name) { return XInternAtom(display, name, False); }

void setUtf8Property(Display* display, Window window, const char* name, const std::string& value) {
  XChangeProperty(display, window, atom(display, name), atom(display, "UTF8_STRING"), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(value.data()), static_cast<int>(value.size()));
}

}  // namespace

void showMessageBox(const std::string& title, const std::string& text) {
  const CDisplay connection;
  Display* display = connection.display;
  if (display == nullptr) {
    writeToStandardError(title, text);
    return;
  }
  const int screen = DefaultScreen(display);
  // As large as the desktop's scale asks, if the widest box still fits.
  const int k = scaleOfX11Display(display).multipleFor(MAX_TEXT_WIDTH + 2 * MARGIN);
  CLettering font(display, screen, k);
  if (!font.usable()) {
    writeToStandardError(title, text);
    return;
  }
  const std::vector<std::string> lines = layOut(text, font, MAX_TEXT_WIDTH * k);
  const int lineHeight = font.lineHeight();
  int textWidth = MIN_TEXT_WIDTH * k;
  for (const std::string& line : lines) {
    textWidth = std::max(textWidth, font.width(line));
  }
  const int margin = MARGIN * k;
  const int buttonWidth = BUTTON_WIDTH * k;
  const int buttonHeight = BUTTON_HEIGHT * k;
  const int width = textWidth + 2 * margin;
  const int height = margin + static_cast<int>(lines.size()) * lineHeight + margin + buttonHeight + margin;
  const int buttonX = (width - buttonWidth) / 2;
  const int buttonY = height - margin - buttonHeight;

  const Window root = RootWindow(display, screen);
  const Window window = XCreateSimpleWindow(display, root, (DisplayWidth(display, screen) - width) / 2,
                                            (DisplayHeight(display, screen) - height) / 2, static_cast<unsigned>(width),
                                            static_cast<unsigned>(height), static_cast<unsigned>(k), INK, PAPER);
  XStoreName(display, window, title.c_str());
  setUtf8Property(display, window, "_NET_WM_NAME", title);
  // The text as a property too, for screen readers and scripts.
  setUtf8Property(display, window, "_MORVEX_MESSAGE", text);
  XClassHint classHint{const_cast<char*>("morvex"), const_cast<char*>("Morvex")};
  XSetClassHint(display, window, &classHint);
  XSizeHints* size = XAllocSizeHints();
  size->flags = PMinSize | PMaxSize;
  size->min_width = size->max_width = width;
  size->min_height = size->max_height = height;
  XSetWMNormalHints(display, window, size);
  XFree(size);
  Atom dialog = atom(display, "_NET_WM_WINDOW_TYPE_DIALOG");
  XChangeProperty(display, window, atom(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&dialog), 1);
  Atom deleteWindow = atom(display, "WM_DELETE_WINDOW");
  XSetWMProtocols(display, window, &deleteWindow, 1);
  XSelectInput(display, window,
               ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);

  const GC gc = XCreateGC(display, window, 0, nullptr);
  // The button's frame as thick as the scale; at 1 the thin line as ever.
  if (k > 1) {
    XSetLineAttributes(display, gc, static_cast<unsigned>(k), LineSolid, CapButt, JoinMiter);
  }
  font.attach(window, gc);
  XMapRaised(display, window);

  // A logout or kill must not wait for someone to click OK.
  const CSignalWatch stop;
  bool pressed = false;
  bool done = false;
  while (!done) {
    if (XPending(display) == 0) {
      pollfd ready[2] = {{ConnectionNumber(display), POLLIN, 0}, {stop.fd(), POLLIN, 0}};
      poll(ready, stop.fd() >= 0 ? 2 : 1, -1);
      done = stop.arrived();
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    switch (event.type) {
      case MapNotify:
        // Without a window manager nobody else gives the box the keyboard.
        XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
        break;
      case Expose:
        if (event.xexpose.count == 0) {
          XClearWindow(display, window);
          XSetForeground(display, gc, INK);
          int y = margin + font.ascent;
          for (const std::string& line : lines) {
            font.draw(margin, y, line);
            y += lineHeight;
          }
          XDrawRectangle(display, window, gc, buttonX, buttonY, static_cast<unsigned>(buttonWidth),
                         static_cast<unsigned>(buttonHeight));
          font.draw(buttonX + (buttonWidth - font.width("OK")) / 2,
                    buttonY + (buttonHeight + font.ascent - font.descent) / 2, "OK");
        }
        break;
      case ButtonPress:
      case ButtonRelease: {
        const bool onButton = event.xbutton.x >= buttonX && event.xbutton.x < buttonX + buttonWidth &&
                              event.xbutton.y >= buttonY && event.xbutton.y < buttonY + buttonHeight;
        if (event.type == ButtonPress) {
          pressed = onButton;
        } else {
          done = pressed && onButton;
          pressed = false;
        }
        break;
      }
      case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        done = key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space;
        break;
      }
      case ClientMessage:
        done = static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow;
        break;
      case DestroyNotify:
        done = true;
        break;
      default:
        break;
    }
  }

  font.detach();
  XFreeGC(display, gc);
  XDestroyWindow(display, window);
}
