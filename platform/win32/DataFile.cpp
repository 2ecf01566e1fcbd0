#include "platform/DataFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

// What Windows says stands at an opened path, by its file type.
std::string kind(DWORD type) {
  switch (type) {
    case FILE_TYPE_PIPE:
      return "a named pipe";
    case FILE_TYPE_CHAR:
      return "a device";
    default:
      return "not a plain file";
  }
}

}  // namespace

CDataFile::CDataFile(const std::string& path, const std::function<void()>& betweenChecks) {
  // The same words as SDL's own loader (docs/compatibility.md, "The words of a
  // missing file").
  const std::string cannotOpen = "Couldn't open " + path;
  // A folder can only be opened as one on purpose, so it is told apart first.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    reason = "Refusing " + path + ": it is a folder, not a regular file";
    return;
  }
  if (betweenChecks) {
    betweenChecks();
  }
  // Opening never waits: a device name (NUL, CON, COM1) opens at once, and a
  // pipe without a server is refused by Windows itself. Links are followed,
  // and what they lead to is what is judged.
  HANDLE handle =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    reason = cannotOpen;
    return;
  }
  const DWORD type = GetFileType(handle);
  if (type != FILE_TYPE_DISK) {
    CloseHandle(handle);
    reason = "Refusing " + path + ": it is " + kind(type) + ", not a regular file";
    return;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    reason = cannotOpen;
    return;
  }
  FILE* file = _fdopen(fd, "rb");
  if (file == nullptr) {
    _close(fd);
    reason = cannotOpen;
    return;
  }
  adopt(file, cannotOpen);
}
