#pragma once

#include <string>

// Keeps X errors from ending the game behind its back. Xlib's own handlers
// end the process through exit(), whose exit handlers then shut SDL down over
// the dead connection and spin for ever. While a trap is armed, a protocol
// error is kept for it to report; any other X error, and a lost connection,
// ends the process at once with one line on standard error and status 1.
class CXErrorTrap {
public:
  // Installs the process's X error handlers. They stay for the process's
  // whole life, like SDL's exit handlers: a display can be lost at any time.
  static void watchDisplay();

  // Arms the trap until it is destroyed.
  CXErrorTrap();
  ~CXErrorTrap();
  CXErrorTrap(const CXErrorTrap&) = delete;
  CXErrorTrap& operator=(const CXErrorTrap&) = delete;

  // Waits until SDL's X display has answered every request made so far, then
  // throws CSDLError(context) with the first X error caught since arming.
  void check(const std::string& context) const;

  // Called by the handler; not for other callers.
  void keep(const std::string& error);

private:
  std::string caught;
  CXErrorTrap* outer;
};
