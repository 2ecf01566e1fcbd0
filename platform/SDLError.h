#pragma once

#include <exception>
#include <string>

// A failed SDL call: the operation's name, ": " and SDL's error text at the time.
class CSDLError : public std::exception {
public:
  // whenSilent: the reason to give if SDL gives none.
  explicit CSDLError(const std::string& context, const std::string& whenSilent = "") noexcept;
  ~CSDLError() noexcept override = default;
  const char* what() const noexcept override;

private:
  std::string message;
};
