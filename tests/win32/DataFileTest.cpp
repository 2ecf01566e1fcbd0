#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/DataFile.h"
#include "tests/TempDir.h"

// What a player reads when a data file is refused on Windows, whole. A folder
// and a device are what can stand in a data file's place there: Windows opens
// its device names (NUL, CON, COM1) in every folder, and a link to a pipe
// needs a pipe server, without which Windows itself refuses the open.
TEST(Refusals, ADataFileThatIsNotARegularFileIsRefusedSayingWhatItIs) {
  const CTempDir dir;
  const std::string folder = dir / "food.bmp";
  const std::string plain = dir / "plain.bmp";
  std::filesystem::create_directory(folder);
  std::ofstream(plain) << "BM";

  const struct {
    std::string path;
    std::string refusal;
  } cases[] = {
      {folder, "Refusing " + folder + ": it is a folder, not a regular file"},
      {"NUL", "Refusing NUL: it is a device, not a regular file"},
      {dir / "missing.bmp", "Couldn't open " + (dir / "missing.bmp")},
      {plain, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDataFile(c.path).refusal(), c.refusal);
  }
}
