#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents.
class CTempDir {
public:
  CTempDir() {
    // Made with the standard library alone, so the tests build for Windows
    // too; create_directory says whether the name was still free.
    std::random_device random;
    do {
      path = std::filesystem::temp_directory_path() / ("morvex-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path));
  }
  ~CTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;

  std::string operator/(const std::string& name) const { return (path / name).string(); }

  std::filesystem::path path;
};
