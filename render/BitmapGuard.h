#pragma once

#include <string>

struct SDL_RWops;

// Largest bitmap side, in pixels, that the game agrees to load.
constexpr int MAX_BITMAP_SIDE = 4096;

// Reads a bitmap file's header before SDL does. SDL's loader would allocate
// and clear whatever size a header claims, gigabytes for a 62-byte file, so
// pictures out of all proportion are refused up front. Returns an empty string
// for a file SDL may try, or the reason for refusing the file called `name`.
// Files that do not start "BM" are left to SDL, which reports them in its own
// words. The stream is left at its start.
std::string bitmapRefusal(SDL_RWops* stream, const std::string& name);
