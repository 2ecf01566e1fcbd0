#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "GlState.h"
#include "platform/SDLSystem.h"
#include "render/Window.h"
#include "tests/GlFrame.h"

constexpr int TEST_WINDOW_SIZE = 384;

// A real 384 x 384 OpenGL window for tests that draw and read pixels back.
class WindowTest : public ::testing::Test {
protected:
  void SetUp() override { window = std::make_unique<CWindow>(TEST_WINDOW_SIZE, TEST_WINDOW_SIZE, "Morvex test"); }

  CGlFrame frame() const { return CGlFrame(TEST_WINDOW_SIZE, TEST_WINDOW_SIZE); }

  static void expectCleanDrawingState() {
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 16; ++i) {
      EXPECT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << "modelview element " << i;
    }
    GLint env = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(env, GL_REPLACE);
    if (GL_STATE_FULLY_ANSWERED) {
      GLint depth = 0;
      glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
      EXPECT_EQ(depth, 1);
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
  }

  CSDLSystem libraries;
  std::unique_ptr<CWindow> window;
};
