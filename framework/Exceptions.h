#pragma once

// The framework's runtime exceptions. Program code raises them; the event
// dispatch catches the ones that escape a handler and reports them as
// unhandled (see Runtime.h).

#include <exception>
#include <string>
#include <string_view>

namespace fw {

class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(std::string message = {});

  // The class name shown when the exception is reported as unhandled.
  [[nodiscard]] virtual std::string_view ClassName() const;
  [[nodiscard]] const std::string& Message() const { return message_; }
  [[nodiscard]] const char* what() const noexcept override;

 private:
  std::string message_;
};

// Raised when "nothing" (an empty reference) is used as an object.
class NilObjectException : public RuntimeException {
 public:
  NilObjectException();
  [[nodiscard]] std::string_view ClassName() const override;
};

// Raised by the mass property setter for a record it cannot read.
class InvalidRecordException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  [[nodiscard]] std::string_view ClassName() const override;
};

// The test-and-raise made after every call that may give nothing: returns
// the object a pointer (raw or shared) refers to, or raises
// NilObjectException when it refers to nothing.
template <class Pointer>
[[nodiscard]] decltype(auto) NotNil(const Pointer& object) {
  if (!object) throw NilObjectException();
  return *object;
}

}  // namespace fw
