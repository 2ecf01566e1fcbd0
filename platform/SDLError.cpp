#include "platform/SDLError.h"

#include "platform/LibraryMessage.h"

CSDLError::CSDLError(const std::string& context) noexcept : message(libraryMessage(context)) {}

const char* CSDLError::what() const noexcept { return message.c_str(); }
