#include "platform/DataFile.h"

#include <SDL.h>

// Opening is each system's own (unix/, win32/); owning the stream is not.

CDataFile::~CDataFile() {
  if (stream != nullptr) {
    SDL_RWclose(stream);
  }
}

void CDataFile::adopt(std::FILE* file, const std::string& cannotOpen) {
  stream = SDL_RWFromFP(file, 1);
  if (stream == nullptr) {
    std::fclose(file);
    reason = cannotOpen + ": " + SDL_GetError();
  }
}

SDL_RWops* CDataFile::release() {
  SDL_RWops* taken = stream;
  stream = nullptr;
  return taken;
}
