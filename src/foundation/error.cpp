// The one exception type of the system, and the file errors every part raises alike.
#include "foundation/error.h"

#include <string.h>
#include <unistd.h>

#include <climits>

#include "foundation/file_names.h"
#include "foundation/text.h"

namespace torvane {

Error::Error(const std::u16string& message)
    : std::runtime_error(ToUtf8(message)), message_(message) {}

std::u16string SystemErrorText(int error_number) {
  char buffer[256];
  // The GNU strerror_r returns the text, which need not be in the buffer.
  const char* text = strerror_r(error_number, buffer, sizeof buffer);
  return FromUtf8(text);
}

std::u16string FullNativePathForMessage(std::u16string_view path_text) {
  std::string native = NativePath(path_text);
  if (native.empty() || native[0] != '/') {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd) != nullptr) native = std::string(cwd) + "/" + native;
  }
  return FromNativeName(native);
}

Error CannotOpenFile(std::u16string_view path_text, int error_number) {
  return Error(u"Cannot open file \"" + FullNativePathForMessage(path_text) + u"\". " +
               SystemErrorText(error_number));
}

Error CannotCreateFile(std::u16string_view path_text, int error_number) {
  return Error(u"Cannot create file \"" + FullNativePathForMessage(path_text) + u"\". " +
               SystemErrorText(error_number));
}

}  // namespace torvane
