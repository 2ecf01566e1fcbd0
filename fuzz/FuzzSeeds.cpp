// Writes the fuzzers' first inputs, all made here: fuzz_seeds FOLDER writes
// FOLDER/bitmap/ (the game's two cells at every depth the loader reads, and
// odd sizes, and one cut short) and FOLDER/font/ (a minimal TrueType font).
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "assets/BmpWriter.h"
#include "fuzz/TrueTypeSeed.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  try {
    std::filesystem::create_directories(folder + "/bitmap");
    std::filesystem::create_directories(folder + "/font");
    // A checker of magenta and green: both the colour key and a colour.
    auto checker = [](int x, int y) { return (x + y) % 2 ? Rgb{255, 0, 255} : Rgb{40, 200, 60}; };
    for (int bits : {1, 8, 16, 24, 32}) {
      for (auto [w, h] : {std::pair{16, 16}, std::pair{3, 17}, std::pair{1, 1}}) {
        const std::string name = std::to_string(w) + "x" + std::to_string(h) + "-" + std::to_string(bits) + ".bmp";
        std::string path = folder;
        path.append("/bitmap/").append(name);
        CBmpWriter::write(path, CBmpWriter::encode(w, h, bits, checker));
      }
    }
    // Cut short in its header, as a fuzz run once found: a 12-byte OS/2
    // header claiming 65535 x 65535, for which SDL 2 asked for gigabytes.
    CBmpWriter::write(folder + "/bitmap/cut-in-header.bmp",
                      {'B', 'M', 26, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 24});
    CBmpWriter::write(folder + "/font/square.ttf", CTrueTypeSeed::font());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fuzz_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
