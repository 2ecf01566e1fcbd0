#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "rules/SnakeBoard.h"
#include "tests/BoardBuilder.h"

namespace {

const CPoint FAR_AWAY{12, 20};

// A straight three-segment snake whose head is at `head`, lying behind it.
CSnakeBoard straightSnake(CPoint head, Direction moving, CPoint food = FAR_AWAY) {
  const CPoint neck = neighbour(head, opposite(moving));
  return makeBoard({head, neck, neighbour(neck, opposite(moving))}, moving, food);
}

}  // namespace

// --- Steering -------------------------------------------------------------

TEST(Steering, ReversalIsRefusedForEveryOppositePair) {
  const struct {
    Direction moving;
    Direction opposite;
  } cases[] = {{DIR_RIGHT, DIR_LEFT}, {DIR_LEFT, DIR_RIGHT}, {DIR_UP, DIR_DOWN}, {DIR_DOWN, DIR_UP}};
  for (const auto& c : cases) {
    CSnakeBoard board = straightSnake({10, 10}, c.moving);
    board.setDirection(c.opposite);
    EXPECT_EQ(board.nextDirection(), c.moving) << "moving " << c.moving;
    board.step();
    EXPECT_FALSE(board.isDead());
  }
}

TEST(Steering, PressesWithinOneTickAreJudgedAgainstTheLastStep) {
  const struct {
    std::vector<Direction> presses;
    Direction expected;
  } cases[] = {
      {{DIR_UP, DIR_LEFT}, DIR_UP},      // left is a reversal of right, refused
      {{DIR_UP, DIR_DOWN}, DIR_DOWN},    // both are right angles, last one counts
      {{DIR_UP, DIR_RIGHT}, DIR_RIGHT},  // pressing the current direction takes the turn back
      {{DIR_DOWN}, DIR_DOWN},
  };
  for (const auto& c : cases) {
    CSnakeBoard board = straightSnake({10, 10}, DIR_RIGHT);
    for (Direction d : c.presses) {
      board.setDirection(d);
    }
    EXPECT_EQ(board.nextDirection(), c.expected);
    board.step();
    EXPECT_EQ(board.currentDirection(), c.expected);
  }
}

TEST(Steering, PressWhileInactiveIsLostNotKept) {
  using Flag = CBoardBuilder& (CBoardBuilder::*)(bool);
  for (Flag flag : {&CBoardBuilder::paused, &CBoardBuilder::helpShown, &CBoardBuilder::dead}) {
    CSnakeBoard board = straightSnake({10, 10}, DIR_RIGHT);
    (CBoardBuilder(board).*flag)(true);
    EXPECT_FALSE(board.isActive());
    board.setDirection(DIR_UP);
    (CBoardBuilder(board).*flag)(false);
    EXPECT_TRUE(board.isActive());
    EXPECT_EQ(board.nextDirection(), DIR_RIGHT);
    board.step();
    EXPECT_EQ(board.snake().front(), CPoint(11, 10));
  }
}

// --- Movement and wrapping ------------------------------------------------

TEST(Movement, HeadWrapsAtEveryEdgeAndOnlyTheMovedCoordinateChanges) {
  const struct {
    CPoint head;
    Direction moving;
    CPoint expected;
  } cases[] = {
      {{0, 7}, DIR_LEFT, {23, 7}}, {{23, 7}, DIR_RIGHT, {0, 7}}, {{9, 0}, DIR_UP, {9, 23}},
      {{9, 23}, DIR_DOWN, {9, 0}}, {{4, 4}, DIR_LEFT, {3, 4}},   {{4, 4}, DIR_DOWN, {4, 5}},
  };
  for (const auto& c : cases) {
    CSnakeBoard board = straightSnake(c.head, c.moving);
    const CPoint oldHead = board.snake()[0];
    const CPoint oldSecond = board.snake()[1];
    board.step();
    EXPECT_EQ(board.snake()[0], c.expected) << "from (" << c.head.x << "," << c.head.y << ") dir " << c.moving;
    EXPECT_EQ(board.snake()[1], oldHead);
    EXPECT_EQ(board.snake()[2], oldSecond);
    EXPECT_EQ(board.snake().size(), 3u);
    EXPECT_FALSE(board.isDead());
  }
}

TEST(Movement, FoodAcrossAnEdgeIsEatenInTheWrappingStep) {
  CSnakeBoard board = straightSnake({0, 7}, DIR_LEFT, {23, 7});
  board.step();
  EXPECT_EQ(board.snake().front(), CPoint(23, 7));
  EXPECT_EQ(board.snake().size(), 4u);
  EXPECT_EQ(board.score(), 5u);
}

// --- Eating and growth ----------------------------------------------------

TEST(Eating, CountAndScoreRiseAtOnceAndTheDoubledTailHoldsStill) {
  std::srand(7);
  CSnakeBoard board = straightSnake({10, 10}, DIR_RIGHT, {11, 10});
  const CPoint tailAfterMove = board.snake()[1];
  board.step();

  ASSERT_EQ(board.snake().size(), 4u);
  EXPECT_EQ(board.score(), 5u);
  EXPECT_FALSE(board.isDead());
  EXPECT_EQ(board.snake()[3], board.snake()[2]);
  EXPECT_EQ(board.snake()[3], tailAfterMove);
  for (const CPoint& s : board.snake()) {
    EXPECT_NE(s, board.foodCell());
  }

  CBoardBuilder(board).food(FAR_AWAY);
  board.step();
  EXPECT_EQ(board.snake().back(), tailAfterMove) << "a doubled tail stays where it is for one step";
  EXPECT_NE(board.snake()[2], board.snake()[3]);
}

TEST(Eating, ScoreCountsFivePerSegmentBeyondThree) {
  CSnakeBoard board = straightSnake({10, 10}, DIR_RIGHT);
  EXPECT_EQ(board.score(), 0u);
  for (std::uint32_t extra = 1; extra <= 20; ++extra) {
    board.grow();
    EXPECT_EQ(board.score(), 5u * extra);
  }
}

TEST(Eating, FoodIsPlacedOnTheOnlyFreeCell) {
  std::srand(99);
  std::vector<CPoint> cells;
  for (int y = 0; y < GRID_SIZE; ++y) {
    for (int x = 0; x < GRID_SIZE; ++x) {
      if (!(x == 17 && y == 3)) {
        cells.emplace_back(x, y);
      }
    }
  }
  CSnakeBoard board;
  CBoardBuilder(board).snake(cells);
  board.placeFood();
  EXPECT_EQ(board.foodCell(), CPoint(17, 3));
}

// --- Entering the cell the tail leaves --------------------------------------

TEST(TailChase, FourSegmentsCirclingASquareLiveOn) {
  CSnakeBoard board = makeBoard({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, DIR_LEFT, FAR_AWAY);
  const Direction turns[] = {DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT};
  for (int lap = 0; lap < 3; ++lap) {
    for (Direction d : turns) {
      board.setDirection(d);
      board.step();
      ASSERT_FALSE(board.isDead()) << "lap " << lap << " dir " << d;
    }
  }
  EXPECT_EQ(board.snake().front(), CPoint(0, 0));
}

TEST(TailChase, TwentyFourSegmentsRunningStraightAcrossTheWrapLiveOn) {
  for (Direction moving : {DIR_RIGHT, DIR_LEFT, DIR_UP, DIR_DOWN}) {
    std::vector<CPoint> cells;
    // Head first, each segment one cell further back against the motion.
    CPoint cell(3, 3);
    for (int i = 0; i < GRID_SIZE; ++i) {
      cells.push_back(cell);
      cell = neighbour(cell, opposite(moving));
    }
    CSnakeBoard board;
    CBoardBuilder(board).snake(cells).moving(moving).food(FAR_AWAY);
    for (int n = 0; n < 3 * GRID_SIZE; ++n) {
      board.step();
      ASSERT_FALSE(board.isDead()) << "dir " << moving << " step " << n;
    }
  }
}

TEST(TailChase, DoubledTailIsSolidForOneStep) {
  for (bool withFood : {true, false}) {
    // Head, then two more corners of the square (0..1, 0..1); the fourth corner is (0, 1).
    CSnakeBoard board = makeBoard({{0, 0}, {1, 0}, {1, 1}, {1, 2}}, DIR_LEFT, withFood ? CPoint(0, 1) : FAR_AWAY);
    board.setDirection(DIR_DOWN);
    board.step();
    ASSERT_FALSE(board.isDead());
    ASSERT_EQ(board.snake().size(), withFood ? 5u : 4u);
    CBoardBuilder(board).food(FAR_AWAY);
    board.setDirection(DIR_RIGHT);
    board.step();
    EXPECT_EQ(board.snake().front(), CPoint(1, 1));
    EXPECT_EQ(board.isDead(), withFood) << (withFood ? "the doubled tail still covers (1, 1)"
                                                     : "the tail has left (1, 1)");
  }
}

TEST(TailChase, HeadIntoTheBodyEndsTheRound) {
  // A five-segment hook: turning down puts the head on segment 3.
  CSnakeBoard board = makeBoard({{5, 5}, {6, 5}, {6, 6}, {5, 6}, {4, 6}}, DIR_LEFT, FAR_AWAY);
  board.setDirection(DIR_DOWN);
  board.step();
  EXPECT_TRUE(board.isDead());
  EXPECT_EQ(board.snake().front(), CPoint(5, 6));
}

// --- Rounds --------------------------------------------------------------

TEST(Round, ResetStacksThreeSegmentsOnTheStartCellAndUnfoldsWithoutCollision) {
  for (unsigned seed : {1u, 1337u, 4242u}) {
    std::srand(seed);
    CSnakeBoard board;
    board.reset();
    ASSERT_EQ(board.snake().size(), 3u);
    for (const CPoint& s : board.snake()) {
      EXPECT_EQ(s, START_CELL);
    }
    EXPECT_EQ(board.score(), 0u);
    EXPECT_FALSE(board.isDead());
    EXPECT_NE(board.foodCell(), START_CELL);

    CBoardBuilder(board).food(FAR_AWAY);
    board.step();
    EXPECT_FALSE(board.isDead());
    EXPECT_EQ(board.snake()[1], START_CELL);
    EXPECT_EQ(board.snake()[2], START_CELL);
    board.step();
    EXPECT_FALSE(board.isDead());
    EXPECT_NE(board.snake()[1], board.snake()[2]);
  }
}

TEST(Round, ResetKeepsDirectionAndFlags) {
  CSnakeBoard board = straightSnake({10, 10}, DIR_DOWN);
  CBoardBuilder(board).dead(true).paused(true).helpShown(true);
  board.reset();
  EXPECT_FALSE(board.isDead());
  EXPECT_TRUE(board.isPaused());
  EXPECT_TRUE(board.isHelpShown());
  EXPECT_EQ(board.currentDirection(), DIR_DOWN);

  CBoardBuilder(board).paused(false).helpShown(false).food(FAR_AWAY);
  board.setDirection(DIR_UP);  // still a reversal, though all segments share a cell
  EXPECT_EQ(board.nextDirection(), DIR_DOWN);
  board.step();
  EXPECT_EQ(board.snake().front(), CPoint(5, 6));
}

TEST(Round, ResetAfterALongRoundShrinksTheSnake) {
  CSnakeBoard board = straightSnake({10, 10}, DIR_RIGHT);
  for (int i = 0; i < 40; ++i) {
    board.grow();
  }
  board.reset();
  EXPECT_EQ(board.snake().size(), 3u);
  EXPECT_EQ(board.score(), 0u);
}

// --- A snake that fills the board ------------------------------------------

TEST(FullBoard, EatingTheLastFreeCellEndsTheRoundInsteadOfHanging) {
  const std::vector<CPoint> path = serpentine();
  // Head on the last cell of the path, body back along it, tail doubled on
  // path[1]; path[0] is the one free cell and holds the food.
  std::vector<CPoint> cells(path.rbegin(), path.rend() - 1);
  cells.push_back(path[1]);
  CSnakeBoard board;
  CBoardBuilder(board).snake(cells).food(path[0]).moving(DIR_LEFT);
  ASSERT_EQ(board.snake().size(), static_cast<std::size_t>(CELL_COUNT));
  ASSERT_FALSE(board.boardFull());

  board.setDirection(DIR_DOWN);
  board.step();

  EXPECT_TRUE(board.isDead());
  EXPECT_EQ(board.snake().front(), path[0]);
  EXPECT_TRUE(board.boardFull());
  EXPECT_EQ(board.snake().size(), static_cast<std::size_t>(CELL_COUNT)) << "the snake never outgrows the board";
  EXPECT_EQ(board.score(), 5u * (CELL_COUNT - 3));

  board.reset();
  EXPECT_FALSE(board.isDead());
  EXPECT_EQ(board.snake().size(), 3u);
}

TEST(FullBoard, ASnakeOfBoardLengthWithASharedCellIsNotFull) {
  std::vector<CPoint> path = serpentine();
  CSnakeBoard board;
  CBoardBuilder(board).snake(path);
  EXPECT_TRUE(board.boardFull());
  path.back() = path.front();
  CBoardBuilder(board).snake(path);
  EXPECT_FALSE(board.boardFull());
}
