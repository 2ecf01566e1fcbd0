// Cost of the board rules, in nanoseconds per call: step() for snakes of 3,
// 100 and 575 segments, and placeFood() with one free cell. The floor is a
// loop that only copies the segments once.
#include <cstdlib>
#include <vector>

#include "bench/Stats.h"
#include "rules/SnakeBoard.h"
#include "tests/BoardBuilder.h"

namespace {

constexpr int REPETITIONS = 41;

// A snake of `length` lying backwards along the path, ready to follow it.
CSnakeBoard snakeOnPath(std::size_t length) {
  const std::vector<CPoint> path = serpentine();
  std::vector<CPoint> cells;
  cells.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    cells.push_back(path[length - 1 - i]);
  }
  CSnakeBoard board;
  // Food parked off the board: the snake never eats, so every step costs the same.
  CBoardBuilder(board).snake(cells).food(CPoint(-1, -1));
  return board;
}

// The direction from one path cell to the next.
Direction along(const CPoint& from, const CPoint& to) {
  for (Direction d : {DIR_LEFT, DIR_UP, DIR_RIGHT}) {
    if (neighbour(from, d) == to) {
      return d;
    }
  }
  return DIR_DOWN;
}

}  // namespace

int main() {
  const std::vector<CPoint> path = serpentine();
  std::srand(RANDOM_SEED);
  std::printf("Board rules, ns per call\n\n");
  printHeader("ns");
  for (std::size_t length : {3u, 100u, 575u}) {
    CSnakeBoard board = snakeOnPath(length);
    std::size_t at = length - 1;  // path index of the head
    std::vector<CPoint> copy;
    copy.reserve(CELL_COUNT);
    const CStats floor =
        CStats::measure(REPETITIONS, 20000, 1e9, [&] { copy.assign(board.snake().begin(), board.snake().end()); });
    const CStats s = CStats::measure(REPETITIONS, 20000, 1e9, [&] {
      const std::size_t next = (at + 1) % path.size();
      CBoardBuilder(board).moving(along(path[at], path[next]));
      board.step();
      at = next;
    });
    if (board.isDead()) {
      std::fprintf(stderr, "rules_bench: the snake of %zu died\n", length);
      return 1;
    }
    printRow("step(), " + std::to_string(length) + " segments", s, floor);
  }
  {
    CSnakeBoard board;
    CBoardBuilder(board).snake(std::vector<CPoint>(path.begin(), path.end() - 1));
    std::vector<CPoint> copy;
    copy.reserve(CELL_COUNT);
    const CStats floor =
        CStats::measure(REPETITIONS, 200, 1e9, [&] { copy.assign(board.snake().begin(), board.snake().end()); });
    const CStats s = CStats::measure(REPETITIONS, 200, 1e9, [&] { board.placeFood(); });
    printRow("placeFood(), 1 free cell", s, floor);
  }
  return 0;
}
