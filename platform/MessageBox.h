#pragma once

#include <string>

// Shows a modal notice with a title, a text and an OK button on the X11
// desktop and waits until the user dismisses it. Without a display it writes
// "title: text" to standard error instead.
void showMessageBox(const std::string& title, const std::string& text);
