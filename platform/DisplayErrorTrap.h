#pragma once

#include <string>

// Keeps errors the display reports after the fact from ending the game behind
// its back. On X11, errors come back asynchronously and Xlib's own handlers
// end the process through exit(), whose exit handlers then shut SDL down over
// the dead connection and spin for ever: there, while a trap is armed, a
// protocol error is kept for it to report, and any other X error, or a lost
// connection, ends the process at once with one line on standard error and
// status 1. Windows reports a failed call by its result, so there a trap has
// nothing to keep.
class CDisplayErrorTrap {
public:
  // Installs the process's display error handlers. They stay for the
  // process's whole life, like SDL's exit handlers: a display can be lost at
  // any time.
  static void watchDisplay();

  // Arms the trap until it is destroyed.
  CDisplayErrorTrap();
  ~CDisplayErrorTrap();
  CDisplayErrorTrap(const CDisplayErrorTrap&) = delete;
  CDisplayErrorTrap& operator=(const CDisplayErrorTrap&) = delete;

  // Waits until the display has answered every request made so far, then
  // throws CSDLError(context) with the first error caught since arming.
  void check(const std::string& context) const;

  // Called by the handler; not for other callers.
  void keep(const std::string& error);

private:
  std::string caught;
  // The trap armed before this one, which comes back when this one goes;
  // only a system whose errors arrive later keeps a chain of them.
  [[maybe_unused]] CDisplayErrorTrap* outer;
};
