#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/DataFile.h"
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

  // A regular file when it is judged that has become a pipe when it is opened.
  const std::string swapped = dir / "swapped.bmp";
  std::ofstream(swapped) << "BM";
  const CDataFile file(swapped, [&swapped] {
    std::filesystem::remove(swapped);
    ASSERT_EQ(mkfifo(swapped.c_str(), 0600), 0);
  });
  EXPECT_EQ(file.refusal(), "Refusing " + swapped + ": it is a named pipe, not a regular file");
}
