#pragma once

#include <exception>
#include <string>

// A failed SDL_ttf call. SDL_ttf reports through SDL's error text, so the
// message is built as for CSDLError; only the type differs.
class CSDLTTFError : public std::exception {
public:
  // whenSilent: the reason to give if SDL gives none.
  explicit CSDLTTFError(const std::string& context, const std::string& whenSilent = "") noexcept;
  ~CSDLTTFError() noexcept override = default;
  const char* what() const noexcept override;

private:
  std::string message;
};
