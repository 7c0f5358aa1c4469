// The one exception type of the system: it carries a message text exactly as the user sees it.
#pragma once

#include <stdexcept>
#include <string>

namespace torvane {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::u16string& message);

  /// The message as the system's own UTF-16 text; what() holds the same text in UTF-8.
  const std::u16string& Message() const noexcept { return message_; }

 private:
  std::u16string message_;
};

}  // namespace torvane
