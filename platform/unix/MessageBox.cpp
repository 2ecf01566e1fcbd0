#include "platform/MessageBox.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/unix/SignalWatch.h"

namespace {

constexpr int MARGIN = 16;                 // pixels around the text and the button
constexpr int BUTTON_WIDTH = 80;           // pixels
constexpr int BUTTON_HEIGHT = 26;          // pixels
constexpr int MIN_TEXT_WIDTH = 220;        // pixels, so a short message still gets a box
constexpr int MAX_TEXT_WIDTH = 560;        // pixels before a line is wrapped
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

// Splits at line feeds, then wraps lines wider than the box may be, at a
// blank where there is one.
std::vector<std::string> layOut(const std::string& text, XFontStruct* font) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(from, end - from);
    while (XTextWidth(font, line.c_str(), static_cast<int>(line.size())) > MAX_TEXT_WIDTH && line.size() > 1) {
      std::size_t cut = line.size() - 1;
      while (cut > 1 && XTextWidth(font, line.c_str(), static_cast<int>(cut)) > MAX_TEXT_WIDTH) {
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
  XFontStruct* font = XLoadQueryFont(display, "fixed");
  const bool ownFont = font != nullptr;
  if (!ownFont) {
    // The server's default font, which every new GC starts with. Its fid is
    // the default GC's own ID, not a font, so it is never set on a GC.
    font = XQueryFont(display, XGContextFromGC(DefaultGC(display, screen)));
  }
  if (font == nullptr) {
    writeToStandardError(title, text);
    return;
  }
  const std::vector<std::string> lines = layOut(text, font);
  const int lineHeight = font->ascent + font->descent;
  int textWidth = MIN_TEXT_WIDTH;
  for (const std::string& line : lines) {
    textWidth = std::max(textWidth, XTextWidth(font, line.c_str(), static_cast<int>(line.size())));
  }
  const int width = textWidth + 2 * MARGIN;
  const int height = MARGIN + static_cast<int>(lines.size()) * lineHeight + MARGIN + BUTTON_HEIGHT + MARGIN;
  const int buttonX = (width - BUTTON_WIDTH) / 2;
  const int buttonY = height - MARGIN - BUTTON_HEIGHT;

  const Window root = RootWindow(display, screen);
  const Window window = XCreateSimpleWindow(display, root, (DisplayWidth(display, screen) - width) / 2,
                                            (DisplayHeight(display, screen) - height) / 2, static_cast<unsigned>(width),
                                            static_cast<unsigned>(height), 1, INK, PAPER);
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
  if (ownFont) {
    XSetFont(display, gc, font->fid);
  }
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
          int y = MARGIN + font->ascent;
          for (const std::string& line : lines) {
            XDrawString(display, window, gc, MARGIN, y, line.c_str(), static_cast<int>(line.size()));
            y += lineHeight;
          }
          XDrawRectangle(display, window, gc, buttonX, buttonY, BUTTON_WIDTH, BUTTON_HEIGHT);
          const int okWidth = XTextWidth(font, "OK", 2);
          XDrawString(display, window, gc, buttonX + (BUTTON_WIDTH - okWidth) / 2,
                      buttonY + (BUTTON_HEIGHT + font->ascent - font->descent) / 2, "OK", 2);
        }
        break;
      case ButtonPress:
      case ButtonRelease: {
        const bool onButton = event.xbutton.x >= buttonX && event.xbutton.x < buttonX + BUTTON_WIDTH &&
                              event.xbutton.y >= buttonY && event.xbutton.y < buttonY + BUTTON_HEIGHT;
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

  XFreeGC(display, gc);
  XDestroyWindow(display, window);
  if (ownFont) {
    XFreeFont(display, font);
  } else {
    XFreeFontInfo(nullptr, font, 1);
  }
}
