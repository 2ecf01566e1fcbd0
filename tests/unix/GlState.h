#pragma once

// Whether the OpenGL under the tests answers for all of its state: the depth
// of the matrix stacks, the blend function by OpenGL 1.1's names for it and
// the errors of earlier calls. Mesa and Windows' drivers do.
constexpr bool GL_STATE_FULLY_ANSWERED = true;
