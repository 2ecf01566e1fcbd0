#pragma once

#include <string>

// "context: SDL's error text", read once, right after the failed call. Some
// SDL stacks fail without a word; then what the caller knows stands in for
// it, so a notice never ends in an empty reason.
std::string libraryMessage(const std::string& context, const std::string& whenSilent);
