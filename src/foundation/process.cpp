// Facts of the running program.
#include "foundation/process.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "foundation/file_names.h"
#include "foundation/path_text.h"

namespace torvane {

std::u16string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::u16string path = FromNativeName(std::string_view(buffer, static_cast<size_t>(n)));
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
  return ExtractFilePath(path);
}

std::u16string EnvironmentVariable(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  return value == nullptr ? std::u16string() : FromNativeName(value);
}

}  // namespace torvane
