#pragma once

#include <string>

// "context: SDL's error text", read once, right after the failed call.
std::string libraryMessage(const std::string& context);
