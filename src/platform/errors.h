#pragma once
// Framework errors. Each carries the message the error box shows; they are
// caught only at event boundaries (see Application::runEvent).
#include <stdexcept>
#include <string>

namespace cq {

// The message is kept whole: a text the user typed may hold a NUL, which
// what() would cut short.
class FrameworkError : public std::runtime_error {
 public:
  explicit FrameworkError(const std::string& message) : std::runtime_error(message), message_(message) {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

// What the error box shows for an error that ended an event: a framework
// error's whole message, otherwise what().
inline std::string ErrorMessage(const std::exception& e) {
  if (const auto* framework = dynamic_cast<const FrameworkError*>(&e)) return framework->message();
  return e.what();
}

// "'%s' is not a valid floating point value" and its integer twin.
class ConvertError : public FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};

// Floating-point errors of the arithmetic checked in checked_math.h.
class MathError : public FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};
class ZeroDivideError : public MathError {
 public:
  ZeroDivideError() : MathError("Floating point division by zero") {}
};
class OverflowError : public MathError {
 public:
  OverflowError() : MathError("Floating point overflow") {}
};
class InvalidOpError : public MathError {
 public:
  InvalidOpError() : MathError("Invalid floating point operation") {}
};

// Settings store failures: "Failed to set data for '%s'".
class RegistryError : public FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};

// A window description that names an unknown control, property or handler.
// Not a framework error: it is a programming fault and must fail loudly.
class DescriptionError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

}  // namespace cq
