#pragma once

#include <exception>
#include <string>

// A failure whose message is handed over whole.
class CError : public std::exception {
public:
  explicit CError(const std::string& text) noexcept;
  ~CError() noexcept override = default;
  const char* what() const noexcept override;

private:
  std::string message;
};
