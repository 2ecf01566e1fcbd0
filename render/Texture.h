#pragma once

#include <string>
#include <vector>

#include "game/Point.h"

class CWindow;

// One bitmap file as an OpenGL texture, drawn at its own size; pixels of the
// raw value 0xFF00FF (magenta in a 24-bit bitmap) are transparent.
class CTexture {
public:
  // Loads name + ".bmp"; throws CSDLError when it cannot.
  CTexture(CWindow* window, const std::string& name);

  // Draws the image with its top-left corner at pixel (x, y).
  void draw(int x, int y) const;
  // Draws the image once in each of the cells, cell (x, y) at pixel
  // (cellSize * x, cellSize * y), in order: the same pixels as one draw() per
  // cell, with the state switched once for the lot instead of once a cell.
  void drawCells(const std::vector<CPoint>& cells, int cellSize) const;

  unsigned glName() const { return texture; }
  int imageWidth() const { return width; }
  int imageHeight() const { return height; }
  // Right and bottom edges of the image in texture coordinates.
  float rightU() const { return maxU; }
  float bottomV() const { return maxV; }

private:
  void switchOn() const;
  void quad(int x, int y) const;
  static void switchOff();

  CWindow* window;
  unsigned texture = 0;
  int width = 0;
  int height = 0;
  float maxU = 0;
  float maxV = 0;
};
