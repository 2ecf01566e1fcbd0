#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents.
class CTempDir {
public:
  CTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvex-XXXXXX").string();
    path = mkdtemp(pattern.data());
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
