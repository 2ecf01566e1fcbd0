#include "platform/SDLError.h"

#include "platform/LibraryMessage.h"

CSDLError::CSDLError(const std::string& context, const std::string& whenSilent) noexcept
    : message(libraryMessage(context, whenSilent)) {}

const char* CSDLError::what() const noexcept { return message.c_str(); }
