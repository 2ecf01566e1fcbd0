#include "app/SDLError.h"

#include "app/LibraryMessage.h"

CSDLError::CSDLError(const std::string& context) noexcept : message(libraryMessage(context)) {}

const char* CSDLError::what() const noexcept { return message.c_str(); }
