// Start-up, memory and pace of the game, each measured in fresh processes
// beside a bare program that only brings SDL up and opens the same window.
// Run it under Xvfb from the folder with the data files:
//   process_bench            start-up, its stages and peak memory
//   process_bench --pace     steps per second over 10 s of the game's loop,
//                            and CPU over wall time beside the bare window's
#include <GL/gl.h>
#include <SDL.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/Pace.h"
#include "bench/Stats.h"
#include "game/Game.h"

extern char** environ;

namespace {

constexpr int RUNS = 21;     // fresh processes per kind
constexpr int PASSES = 100;  // before peak memory is read
constexpr double PACE_SECONDS = 10;

double cpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double nowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long peakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

// The child's side: one start-up, reported as key=value lines.
int probe(const std::string& kind, double spawnedAt) {
  if (kind == "bare") {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
      return 2;
    }
    CWindow window(WINDOW_SIZE, WINDOW_SIZE, "Morvex");
    window.clear(CLEAR_COLOUR);
    window.flip();
    glFinish();
    std::printf("first_frame=%f\n", nowMs() - spawnedAt);
    for (int i = 0; i < PASSES; ++i) {
      window.clear(CLEAR_COLOUR);
      window.flip();
    }
    std::printf("peak_kb=%ld\n", peakResidentKb());
    SDL_Quit();
    return 0;
  }
  if (kind == "idle-bare") {
    // The bare window at the game's pace: clear, flip, sleep.
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
      return 2;
    }
    CWindow window(WINDOW_SIZE, WINDOW_SIZE, "Morvex");
    const double wall0 = nowMs();
    const double cpu0 = cpuMs();
    while (nowMs() - wall0 < PACE_SECONDS * 1000) {
      window.clear(CLEAR_COLOUR);
      window.flip();
      SDL_Delay(FRAME_DELAY_MS);
    }
    std::printf("cpu_percent=%f\n", 100 * (cpuMs() - cpu0) / (nowMs() - wall0));
    SDL_Quit();
    return 0;
  }
  if (kind == "stages") {
    // The game object's construction, step by step.
    double t = nowMs();
    auto lap = [&t](const char* what) {
      const double n = nowMs();
      std::printf("%s=%f\n%s_kb=%ld\n", what, n - t, what, peakResidentKb());
      t = n;
    };
    CSDLSystem libraries;
    lap("libraries");
    CWindow window(WINDOW_SIZE, WINDOW_SIZE, "Morvex");
    lap("window");
    CTexture food(&window, "food");
    CTexture snake(&window, "snake");
    lap("textures");
    CFont font(&window, "verdana.ttf", 12);
    lap("font");
    return 0;
  }
  CGame game;
  game.start();
  game.pass();
  glFinish();
  std::printf("first_frame=%f\n", nowMs() - spawnedAt);
  for (int i = 0; i < PASSES; ++i) {
    game.pass();
  }
  std::printf("peak_kb=%ld\n", peakResidentKb());
  return 0;
}

std::map<std::string, double> spawnProbe(const char* self, const std::string& kind) {
  int out[2];
  if (pipe(out) != 0) {
    throw std::runtime_error("pipe");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const std::string at = std::to_string(nowMs());
  const char* argv[] = {self, "--probe", kind.c_str(), at.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, self, &actions, nullptr, const_cast<char* const*>(argv), environ) != 0) {
    throw std::runtime_error("posix_spawn");
  }
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the " + kind + " probe failed");
  }
  std::map<std::string, double> values;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const auto eq = line.find('=');
    if (eq != std::string::npos) {
      values[line.substr(0, eq)] = std::atof(line.c_str() + eq + 1);
    }
  }
  return values;
}

void startUp(const char* self) {
  std::map<std::string, std::vector<double>> samples;
  for (int run = 0; run < RUNS; ++run) {
    // Interleaved, so that drift in the machine's load hits all three alike.
    for (const char* kind : {"bare", "game", "stages"}) {
      for (const auto& [key, value] : spawnProbe(self, kind)) {
        samples[std::string(kind) + "." + key].push_back(value);
      }
    }
  }
  auto stats = [&](const std::string& key) { return CStats::of(samples[key]); };
  std::printf("Start-up to the first frame presented (from spawn), ms; %d fresh processes each\n\n", RUNS);
  printHeader("ms");
  printRow("game vs bare window", stats("game.first_frame"), stats("bare.first_frame"));
  const double game = stats("game.first_frame").median;
  std::printf("\nConstruction of the game object, ms (median of %d)\n\n", RUNS);
  for (const char* stage : {"libraries", "window", "textures", "font"}) {
    const CStats s = stats(std::string("stages.") + stage);
    std::printf("| %-44s | %10.3f | %10.3f | %6.1f%% of the game's start-up |\n", stage, s.median, s.p95,
                100 * s.median / game);
  }
  const CStats gameKb = stats("game.peak_kb");
  const CStats bareKb = stats("bare.peak_kb");
  std::printf("\nPeak resident memory after %d passes, MB\n\n", PASSES);
  printHeader("MB");
  printRow("game vs bare window", CStats{gameKb.median / 1024, gameKb.p95 / 1024},
           CStats{bareKb.median / 1024, bareKb.p95 / 1024});
}

void pace(const char* self) {
  const double bareCpu = spawnProbe(self, "idle-bare")["cpu_percent"];
  const double cpu0 = cpuMs();
  const CPace measured = CPace::measure(PACE_SECONDS);
  const double gameCpu = 100 * (cpuMs() - cpu0) / (measured.seconds * 1000);
  std::printf("Pace over %.1f s: %.2f steps per second (ideal 10), %.2f passes per second, %.1f%% of ideal\n",
              measured.seconds, measured.stepsPerSecond(), measured.passesPerSecond(), 10 * measured.stepsPerSecond());
  std::printf("CPU at that pace: game loop %.2f%% of one core, bare window (clear, flip, sleep) %.2f%%\n", gameCpu,
              bareCpu);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc >= 4 && std::strcmp(argv[1], "--probe") == 0) {
      return probe(argv[2], std::atof(argv[3]));
    }
    if (argc >= 2 && std::strcmp(argv[1], "--pace") == 0) {
      pace("/proc/self/exe");
      return 0;
    }
    startUp("/proc/self/exe");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "process_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
