// consolectrl PROGRAM: starts PROGRAM from a console, as a player's command
// prompt would, and sends that console Ctrl+C ("c") or Ctrl+Break ("b") at
// each line read from standard input; at its end, waits for PROGRAM and
// returns its exit status.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The events go to every program on the console, this one too: it lives on
// to report the game's status.
BOOL WINAPI outlive(DWORD) { return TRUE; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: consolectrl PROGRAM\n", stderr);
    return 2;
  }
  // A console of its own: the one Wine gives a program started from a Unix
  // shell takes no control events.
  FreeConsole();
  if (!AllocConsole()) {
    std::fprintf(stderr, "consolectrl: no console (error %lu)\n", GetLastError());
    return 2;
  }
  SetConsoleCtrlHandler(outlive, TRUE);
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
    std::fprintf(stderr, "consolectrl: cannot start %s (error %lu)\n", argv[1], GetLastError());
    return 2;
  }
  char line[16];
  while (std::fgets(line, sizeof line, stdin) != nullptr) {
    const DWORD event = line[0] == 'b' ? CTRL_BREAK_EVENT : CTRL_C_EVENT;
    if (!GenerateConsoleCtrlEvent(event, 0)) {
      std::fprintf(stderr, "consolectrl: the event was not sent (error %lu)\n", GetLastError());
    }
  }
  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return static_cast<int>(status);
}
