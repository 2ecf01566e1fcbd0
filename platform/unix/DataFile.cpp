#include "platform/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

std::string kind(mode_t mode) {
  if (S_ISDIR(mode)) {
    return "a folder";
  }
  if (S_ISFIFO(mode)) {
    return "a named pipe";
  }
  if (S_ISSOCK(mode)) {
    return "a socket";
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return "a device";
  }
  return "not a plain file";
}

}  // namespace

CDataFile::CDataFile(const std::string& path, const std::function<void()>& betweenChecks) {
  // The same words as SDL's own loader (docs/compatibility.md, "The words of a
  // missing file").
  const std::string cannotOpen = "Couldn't open " + path;
  struct stat info = {};
  // Looked at before opening, since opening a device may already do something.
  if (stat(path.c_str(), &info) != 0) {
    reason = cannotOpen;
    return;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = "Refusing " + path + ": it is " + kind(info.st_mode) + ", not a regular file";
    return;
  }
  if (betweenChecks) {
    betweenChecks();
  }
  // Non-blocking, and checked again once open: the path may have been swapped
  // for a pipe in between.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = cannotOpen;
    return;
  }
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    reason = "Refusing " + path + ": it is " + kind(info.st_mode) + ", not a regular file";
    return;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FILE* file = fdopen(fd, "rb");
  if (file == nullptr) {
    close(fd);
    reason = cannotOpen;
    return;
  }
  adopt(file, cannotOpen);
}
