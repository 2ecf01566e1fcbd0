#pragma once

// Whether the OpenGL under the tests answers for all of its state: the depth
// of the matrix stacks, the blend function by OpenGL 1.1's names for it and
// the errors of earlier calls. Emscripten's OpenGL 1.1 over WebGL gives 0 for
// the first two, and WebGL itself reports the hint and pixel store names of
// OpenGL 1.1 that it lacks as errors. What is drawn is compared all the same.
constexpr bool GL_STATE_FULLY_ANSWERED = false;
