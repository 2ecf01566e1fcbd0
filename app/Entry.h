#pragma once

#include <functional>
#include <string>

// Runs the game and turns its outcome into the exit status: 0 when it
// returns, 1 when it throws, after `report` (title, text) has been shown the
// error. The only place in the program that catches.
int runAndReport(const std::function<void()>& play,
                 const std::function<void(const std::string&, const std::string&)>& report);
