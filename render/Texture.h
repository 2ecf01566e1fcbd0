#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/Pixel.h"

class CWindow;

// One bitmap file as an OpenGL texture, drawn at its own size; pixels of the
// raw value 0xFF00FF (magenta in a 24-bit bitmap) are transparent.
class CTexture {
public:
  // Loads name + ".bmp"; throws CSDLError when it cannot.
  CTexture(CWindow* window, const std::string& name);

  // Draws the image with its top-left corner at pixel (x, y).
  void draw(int x, int y) const;
  // Draws the image once with its top-left corner at each position, in order:
  // the same pixels as one draw() per position, with the state switched once
  // for the lot instead of once a quad.
  void drawAt(const std::vector<CPixel>& corners) const;

  // The image's pixel (x, y) as the bytes red, green, blue, alpha; alpha 0
  // where it is transparent.
  const std::uint8_t* rgbaAt(int x, int y) const;

  unsigned glName() const { return texture; }
  int imageWidth() const { return width; }
  int imageHeight() const { return height; }

private:
  void switchOn() const;
  void quad(int x, int y) const;
  static void switchOff();

  // The window whose OpenGL context holds the texture; nothing here draws
  // through it, but it ties the texture's life to that context.
  [[maybe_unused]] CWindow* window;
  unsigned texture = 0;
  int width = 0;
  int height = 0;
  float maxU = 0;
  float maxV = 0;
  // What was uploaded, kept so the window's icon can be made of the images.
  std::vector<std::uint8_t> texels;
};
