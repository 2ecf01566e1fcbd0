#include "game/Game.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/IconLayout.h"
#include "platform/PlaySignals.h"

namespace {

constexpr int FONT_SIZE = 12;             // points
constexpr int ICON_SIDE = 2 * CELL_SIZE;  // pixels

// The window's icon, laid out as the menu's, from the cell images as loaded.
std::vector<std::uint8_t> iconOf(const CTexture& snake, const CTexture& food) {
  return layOutIcon(ICON_SIDE, CELL_SIZE, [&](bool isFood, int x, int y) {
    const CTexture& cell = isFood ? food : snake;
    std::array<std::uint8_t, 4> rgba{};  // clear outside a smaller image
    if (x < cell.imageWidth() && y < cell.imageHeight()) {
      const std::uint8_t* p = cell.rgbaAt(x, y);
      std::copy(p, p + 4, rgba.begin());
    }
    return rgba;
  });
}

}  // namespace

CGame::CGame() : window(WINDOW_SIZE, WINDOW_SIZE, "Morvex") {
  segmentCorners.reserve(CELL_COUNT);
  std::srand(RANDOM_SEED);
  foodTexture = std::make_unique<CTexture>(&window, "food");
  snakeTexture = std::make_unique<CTexture>(&window, "snake");
  window.setIcon(ICON_SIDE, iconOf(*snakeTexture, *foodTexture));
  // Whatever face the file holds (docs/compatibility.md, "The font's file
  // name"), if it draws any of what the game writes: the score with every
  // digit, the notices and the help.
  font = std::make_unique<CFont>(&window, "verdana.ttf", FONT_SIZE,
                                 std::string("Score: 0123456789") + DEATH_NOTICE + PAUSE_NOTICE + HELP_TEXT);
  // From here on the signals end the game as Escape does (run()).
  startupOver();
}

// The textures and the font go before the window, by member order.
CGame::~CGame() = default;

void CGame::run(const std::function<void(std::uint32_t milliseconds)>& sleep) {
  const CPlaySignals signals;
  start();
  while (running) {
    pass();
    sleep(FRAME_DELAY_MS);
    if (signals.stopRequested()) {
      running = false;
    }
  }
}

void CGame::start() {
  running = true;
  board.newGame();
}

void CGame::pass() {
  handleEvents();
  if (board.isActive()) {
    board.step();
  }
  window.clear(CLEAR_COLOUR);
  // Head to tail, as one run of quads under one switch of state.
  segmentCorners.clear();
  for (const CPoint& cell : board.snake()) {
    segmentCorners.push_back({cell.x * CELL_SIZE, cell.y * CELL_SIZE});
  }
  snakeTexture->drawAt(segmentCorners);
  foodTexture->draw(board.foodCell().x * CELL_SIZE, board.foodCell().y * CELL_SIZE);
  drawStatus();
  window.flip();
}

void CGame::handleEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_KEYDOWN:
        handleKey(event.key);
        break;
      case SDL_QUIT:
        quit(event.quit);
        break;
      default:
        break;
    }
  }
}

void CGame::handleKey(const SDL_KeyboardEvent& event) {
  switch (event.keysym.sym) {
    case SDLK_PAUSE:  // the only pause key (docs/compatibility.md)
      board.togglePause();
      break;
    case SDLK_ESCAPE:
      running = false;
      break;
    case SDLK_SPACE:
      board.playAgain();
      break;
    case SDLK_UP:
      board.setDirection(DIR_UP);
      break;
    case SDLK_DOWN:
      board.setDirection(DIR_DOWN);
      break;
    case SDLK_RIGHT:
      board.setDirection(DIR_RIGHT);
      break;
    case SDLK_LEFT:
      board.setDirection(DIR_LEFT);
      break;
    case SDLK_F1:
      board.toggleHelp();
      break;
    default:
      break;
  }
}

void CGame::quit(const SDL_QuitEvent&) { running = false; }

void CGame::drawStatus() {
  if (board.isDead()) {
    font->draw(DEATH_NOTICE_AT.x, DEATH_NOTICE_AT.y, DEATH_NOTICE);
  }
  if (board.isPaused()) {
    font->draw(PAUSE_NOTICE_AT.x, PAUSE_NOTICE_AT.y, PAUSE_NOTICE);
  }
  font->draw(SCORE_AT.x, SCORE_AT.y, "Score: " + std::to_string(board.score()));
  if (board.isHelpShown()) {
    // Blended with the text's source-alpha function, set by the score just drawn.
    window.fillRect(HELP_BOX[0], HELP_BOX[1], HELP_BOX[2], HELP_BOX[3], HELP_BOX_COLOUR);
    font->draw(HELP_TEXT_AT.x, HELP_TEXT_AT.y, HELP_TEXT);
  }
}
