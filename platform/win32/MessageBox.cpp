#include "platform/MessageBox.h"

#include <windows.h>

void showMessageBox(const std::string& title, const std::string& text) {
  // No owner window: the game's window is gone by now.
  MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK);
}
