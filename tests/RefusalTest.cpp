#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/DataFile.h"
#include "render/BitmapGuard.h"
#include "tests/TempDir.h"

// What a player reads when a data file is refused, whole: the file's name and
// what stands in its place.
TEST(Refusals, ADataFileThatIsNotARegularFileIsRefusedSayingWhatItIs) {
  const CTempDir dir;
  const std::string pipe = dir / "food.bmp";
  const std::string socketPath = dir / "snake.bmp";
  const std::string device = dir / "verdana.ttf";
  const std::string folder = dir / "folder.bmp";
  const std::string plain = dir / "plain.bmp";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int s = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  std::filesystem::create_symlink("/dev/null", device);
  std::filesystem::create_directory(folder);
  std::ofstream(plain) << "BM";

  const struct {
    std::string path;
    std::string refusal;
  } cases[] = {
      {pipe, "Refusing " + pipe + ": it is a named pipe, not a regular file"},
      {socketPath, "Refusing " + socketPath + ": it is a socket, not a regular file"},
      {device, "Refusing " + device + ": it is a device, not a regular file"},
      {folder, "Refusing " + folder + ": it is a folder, not a regular file"},
      {dir / "missing.bmp", "Couldn't open " + (dir / "missing.bmp")},
      {plain, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDataFile(c.path).refusal(), c.refusal);
  }
  close(s);
}

namespace {

// The first 26 bytes of a bitmap file with a 40-byte info header claiming
// width x height pixels, little-endian as the format is on every machine.
std::string header(std::int32_t width, std::int32_t height) {
  std::string bytes(26, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  bytes[14] = 40;
  for (int i = 0; i < 4; ++i) {
    bytes[18 + i] = static_cast<char>(static_cast<std::uint32_t>(width) >> (8 * i));
    bytes[22 + i] = static_cast<char>(static_cast<std::uint32_t>(height) >> (8 * i));
  }
  return bytes;
}

}  // namespace

TEST(Refusals, BitmapsAreRefusedBeforeLoadingUnlessOneTo4096PixelsASide) {
  const std::string limits = " pixels; bitmaps may be 1 to 4096 pixels a side";
  const struct {
    std::int32_t width, height;
    std::string refusal;
  } cases[] = {
      {4096, 4096, ""},
      {1, 1, ""},
      {16, -16, ""},  // stored top row first
      {4097, 16, "Refusing food.bmp: its header claims 4097 x 16" + limits},
      {16, 4097, "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {16, -4097, "Refusing food.bmp: its header claims 16 x 4097" + limits},
      {0, 16, "Refusing food.bmp: its header claims 0 x 16" + limits},
      {16, 0, "Refusing food.bmp: its header claims 16 x 0" + limits},
      {-16, 16, "Refusing food.bmp: its header claims -16 x 16" + limits},
  };
  for (const auto& c : cases) {
    const std::string bytes = header(c.width, c.height);
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_EQ(bitmapRefusal(stream, "food.bmp"), c.refusal) << c.width << " x " << c.height;
    EXPECT_EQ(SDL_RWtell(stream), 0) << "the stream is left at its start";
    SDL_RWclose(stream);
  }
}
