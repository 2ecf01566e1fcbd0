#include "platform/SDLTTFError.h"

#include "platform/LibraryMessage.h"

CSDLTTFError::CSDLTTFError(const std::string& context, const std::string& whenSilent) noexcept
    : message(libraryMessage(context, whenSilent)) {}

const char* CSDLTTFError::what() const noexcept { return message.c_str(); }
