#include "platform/Error.h"

// Copying a short string can only fail for lack of memory; the process would
// be lost then anyway, which is what noexcept turns it into.
CError::CError(const std::string& text) noexcept : message(text) {}

const char* CError::what() const noexcept { return message.c_str(); }
