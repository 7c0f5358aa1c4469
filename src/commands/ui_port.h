// The one way the commands talk to the user: the window and the CLI each implement it.
#pragma once

#include <cstdint>
#include <string_view>

namespace torvane {

class UiPort {
 public:
  virtual ~UiPort() = default;

  /// Hands a file, folder or program to the desktop's "open" verb. The result is not checked:
  /// a command goes on whether or not anything opened.
  virtual void ShellOpen(std::u16string_view target, std::u16string_view parameters) = 0;
  /// A modal message with an error icon.
  virtual void MessageBox(std::u16string_view text, std::u16string_view caption) = 0;
  /// Work done so far of the work found; called from the thread that runs the command.
  virtual void Progress(int64_t done, int64_t total) {
    (void)done;
    (void)total;
  }
};

}  // namespace torvane
