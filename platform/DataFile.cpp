#include "platform/DataFile.h"

#include <SDL.h>

// Opening is each system's own (unix/, win32/); owning the stream is not.

CDataFile::~CDataFile() {
  if (stream != nullptr) {
    SDL_RWclose(stream);
  }
}

SDL_RWops* CDataFile::release() {
  SDL_RWops* taken = stream;
  stream = nullptr;
  return taken;
}
