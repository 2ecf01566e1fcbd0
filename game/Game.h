#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/SDLSystem.h"
#include "render/Font.h"
#include "render/Pixel.h"
#include "render/Texture.h"
#include "render/Window.h"
#include "rules/SnakeBoard.h"

// Pixels per side of a board cell when drawn.
constexpr int CELL_SIZE = 16;
// Pixels per side of the window: the board and nothing around it.
constexpr int WINDOW_SIZE = GRID_SIZE * CELL_SIZE;

// Milliseconds slept after every frame: the game's only pacing
// (docs/compatibility.md, "The 100 ms sleep after each frame").
constexpr std::uint32_t FRAME_DELAY_MS = 100;
// Opaque black, ARGB.
constexpr std::uint32_t CLEAR_COLOUR = 0xFF000000;
// The help box: grey (96, 96, 96) at alpha 127, ARGB.
constexpr std::uint32_t HELP_BOX_COLOUR = 0x7F606060;

// Where the status layer draws, in window pixels: the top-left corner of each
// text's first line, and the help box as x, y, width, height.
constexpr CPixel DEATH_NOTICE_AT{5, 192};
constexpr CPixel PAUSE_NOTICE_AT{0, 0};
constexpr CPixel SCORE_AT{309, 5};
constexpr CPixel HELP_TEXT_AT{10, 10};
constexpr int HELP_BOX[4] = {5, 5, 374, 150};

// The texts of the status layer.
inline constexpr const char* DEATH_NOTICE = "YOU DIED! PRESS [SPACE] TO PLAY AGAIN!";
inline constexpr const char* PAUSE_NOTICE = "PAUSED!!";
inline constexpr const char* HELP_TEXT =
    "  Made by Dask (code) & Tumi (gfx)\n"
    "\n"
    "Keys:\n"
    "  Arrow Keys - Move around\n"
    "  F1 - Show help\n"
    "  PAUSE - Pause the game\n"
    "\n"
    "Thanks to:\n"
    "  Orrin & Velm & Pasko & Quorl\n"
    "  Sarnet & Jubo & Mirelo & Fennick & Tavrin\n"
    "  and everyone else in #rookienest";

// The game: brings the libraries up, opens the window, loads the art and the
// font, and runs the loop of input, one board step and one frame per pass.
class CGame : public CSDLSystem {
public:
  CGame();
  ~CGame();
  CGame(const CGame&) = delete;
  CGame& operator=(const CGame&) = delete;

  // Plays until Escape, a window close, SIGINT or SIGTERM. Each pass is
  // followed by sleep(FRAME_DELAY_MS); a test may watch the sleeps.
  void run(const std::function<void(std::uint32_t milliseconds)>& sleep = SDL_Delay);

  // run() in pieces, so a test or benchmark can drive single passes:
  // start() readies the first round, pass() is one pass without the sleep.
  void start();
  void pass();
  bool isRunning() const { return running; }
  // The board as the last pass left it.
  const CSnakeBoard& boardState() const { return board; }
  // Puts the game in a position laid out by hand, for tests and benchmarks;
  // the game itself only ever moves the board by its rules.
  void setBoardState(const CSnakeBoard& position) { board = position; }
  // The window, for measuring a bare clear-and-flip beside a real pass.
  CWindow& gameWindow() { return window; }

private:
  void handleEvents();
  void handleKey(const SDL_KeyboardEvent& event);
  void quit(const SDL_QuitEvent& event);
  void drawStatus();

  CWindow window;
  CSnakeBoard board;
  std::unique_ptr<CTexture> foodTexture;
  std::unique_ptr<CTexture> snakeTexture;
  std::unique_ptr<CFont> font;
  bool running = false;
  // The snake's cells in window pixels, kept between passes so a frame
  // allocates nothing.
  std::vector<CPixel> segmentCorners;
};
