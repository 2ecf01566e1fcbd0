// A display that takes every connection and never answers, as a stale
// forwarded X connection does: mutedisplay SOCKET_PATH. Prints "accepted"
// once a client has connected; runs until it is killed.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mutedisplay SOCKET_PATH\n");
    return 2;
  }
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, argv[1], sizeof address.sun_path - 1);
  unlink(argv[1]);
  if (listener < 0 || bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 8) != 0) {
    std::perror("mutedisplay");
    return 1;
  }
  std::vector<int> clients;  // held open, never read nor written
  for (;;) {
    const int client = accept(listener, nullptr, nullptr);
    if (client >= 0) {
      clients.push_back(client);
      std::printf("accepted\n");
      std::fflush(stdout);
    }
  }
}
