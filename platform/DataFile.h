#pragma once

#include <cstdio>
#include <functional>
#include <string>

struct SDL_RWops;

// A data file opened for SDL to read. Only regular files are accepted, and
// opening never waits: a named pipe with no writer, a device or a socket in
// a data file's place is refused at once instead of freezing start-up.
class CDataFile {
public:
  // The path is judged before it is opened and the opened file again, since
  // the path may be swapped in between; `betweenChecks`, for tests, runs in
  // that gap.
  explicit CDataFile(const std::string& path, const std::function<void()>& betweenChecks = {});
  ~CDataFile();
  CDataFile(const CDataFile&) = delete;
  CDataFile& operator=(const CDataFile&) = delete;

  // Why the file could not be opened; empty when it was.
  const std::string& refusal() const { return reason; }
  // The open file as an SDL stream that closes the file when SDL closes the
  // stream; from here on the caller owns it. Null when the file was refused.
  SDL_RWops* release();

private:
  // Hands a file each system has opened and judged to SDL, which closes it;
  // a failure closes it here and says why, after cannotOpen.
  void adopt(std::FILE* file, const std::string& cannotOpen);

  SDL_RWops* stream = nullptr;
  std::string reason;
};
