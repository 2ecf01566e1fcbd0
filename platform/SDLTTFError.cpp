#include "platform/SDLTTFError.h"

#include "platform/LibraryMessage.h"

CSDLTTFError::CSDLTTFError(const std::string& context) noexcept : message(libraryMessage(context)) {}

const char* CSDLTTFError::what() const noexcept { return message.c_str(); }
