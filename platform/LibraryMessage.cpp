#include "platform/LibraryMessage.h"

#include <SDL.h>

std::string libraryMessage(const std::string& context, const std::string& whenSilent) {
  std::string text = context;
  text += ": ";
  const char* reason = SDL_GetError();
  if (reason != nullptr && reason[0] != '\0') {
    text += reason;
  } else if (!whenSilent.empty()) {
    text += whenSilent;
  } else {
    text += "the library gave no reason";
  }
  return text;
}
