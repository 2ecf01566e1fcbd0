#include "platform/LibraryMessage.h"

#include <SDL.h>

std::string libraryMessage(const std::string& context) {
  std::string text = context;
  text += ": ";
  text += SDL_GetError();
  return text;
}
