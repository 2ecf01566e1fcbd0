#include "rules/SnakeBoard.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>

namespace {

// A cell's place in a row-by-row count of the board's cells.
std::size_t cellIndex(const CPoint& cell) {
  return static_cast<std::size_t>(cell.y) * GRID_SIZE + static_cast<std::size_t>(cell.x);
}

}  // namespace

CPoint neighbour(const CPoint& cell, Direction d) {
  CPoint next = cell;
  // Odd codes move along x, even ones along y; codes below 3 step back.
  std::int32_t& moved = (d % 2 == 1) ? next.x : next.y;
  moved = (moved + (d < 3 ? -1 : 1) + GRID_SIZE) % GRID_SIZE;
  return next;
}

// The first round starts moving right, away from the left edge it starts near;
// later rounds keep the direction the round before ended with.
CSnakeBoard::CSnakeBoard() : direction(DIR_RIGHT), pendingDirection(DIR_RIGHT) { segments.reserve(CELL_COUNT); }

bool CSnakeBoard::isActive() const { return !dead && !paused && !helpShown; }

void CSnakeBoard::setDirection(Direction d) {
  if (!isActive()) {
    return;
  }
  // Judged against the last step's direction, never the pending one, so two
  // quick right-angle presses between steps cannot add up to a reversal.
  if (d != opposite(direction)) {
    pendingDirection = d;
  }
}

void CSnakeBoard::togglePause() { paused = !paused; }

void CSnakeBoard::toggleHelp() { helpShown = !helpShown; }

void CSnakeBoard::playAgain() {
  if (dead) {
    reset();
  }
}

void CSnakeBoard::step() {
  // Every segment takes the cell of the one ahead of it; the old tail cell is dropped.
  std::copy_backward(segments.begin(), segments.end() - 1, segments.end());
  direction = pendingDirection;

  CPoint& head = segments.front();
  head = neighbour(head, direction);

  if (head == food) {
    // A snake that fills the whole board leaves no cell for the next food;
    // the round ends there instead of searching forever.
    if (boardFull()) {
      dead = true;
      return;
    }
    placeFood();
    grow();
  }

  // From the tail towards the head, so a freshly doubled tail is met first.
  const CPoint& newHead = segments.front();
  for (std::size_t i = segments.size() - 1; i > 0; --i) {
    if (segments[i] == newHead) {
      dead = true;
      break;
    }
  }
}

void CSnakeBoard::newGame() {
  paused = false;
  helpShown = false;
  reset();
}

void CSnakeBoard::reset() {
  segments.clear();
  segments.push_back(START_CELL);
  grow();
  grow();
  placeFood();
  dead = false;
}

void CSnakeBoard::placeFood() {
  if (boardFull()) {
    return;
  }
  // A long snake leaves few free cells and so needs many attempts; marking
  // its cells once makes each attempt a lookup instead of a walk along it.
  // The draws are the same either way.
  constexpr std::size_t LONG_SNAKE = 64;  // segments
  if (segments.size() < LONG_SNAKE) {
    do {
      drawFoodCell();
    } while (onSnake(food));
    return;
  }
  const std::bitset<CELL_COUNT> covered = coveredCells();
  do {
    drawFoodCell();
  } while (covered.test(cellIndex(food)));
}

void CSnakeBoard::drawFoodCell() {
  // Two draws per attempt, x first; no draw is reused.
  food.x = std::rand() % GRID_SIZE;
  food.y = std::rand() % GRID_SIZE;
}

void CSnakeBoard::grow() { segments.push_back(segments.back()); }

std::uint32_t CSnakeBoard::score() const {
  return POINTS_PER_FOOD * static_cast<std::uint32_t>(segments.size() - START_LENGTH);
}

bool CSnakeBoard::boardFull() const {
  // Fewer segments than cells always leave a free cell; only a snake at least
  // as long as the board has cells needs the cells counted.
  if (segments.size() < static_cast<std::size_t>(CELL_COUNT)) {
    return false;
  }
  return coveredCells().all();
}

std::bitset<CELL_COUNT> CSnakeBoard::coveredCells() const {
  std::bitset<CELL_COUNT> covered;
  for (const CPoint& s : segments) {
    covered.set(cellIndex(s));
  }
  return covered;
}

bool CSnakeBoard::onSnake(const CPoint& cell) const {
  return std::find(segments.begin(), segments.end(), cell) != segments.end();
}
