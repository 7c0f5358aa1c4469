// The one exception type of the system: it carries a message text exactly as the user sees it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace torvane {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::u16string& message);

  /// The message as the system's own UTF-16 text; what() holds the same text in UTF-8.
  const std::u16string& Message() const noexcept { return message_; }

 private:
  std::u16string message_;
};

/// "Cannot open file "%s". %s": the file's full native path and the system's text for errno.
Error CannotOpenFile(std::u16string_view path_text, int error_number);
/// "Cannot create file "%s". %s", likewise.
Error CannotCreateFile(std::u16string_view path_text, int error_number);

/// The system's text for an errno value ("No such file or directory").
std::u16string SystemErrorText(int error_number);

/// The native full path of a path text, for messages: relative texts are joined to the
/// working directory.
std::u16string FullNativePathForMessage(std::u16string_view path_text);

}  // namespace torvane
