// The terminal's side of the Ui port: "open" printed (or handed to xdg-open), message boxes
// on standard error, progress on a terminal.
#pragma once

#include "cli/commands.h"
#include "commands/command_result.h"
#include "commands/ui_port.h"

namespace torvane::cli {

class CliUi : public UiPort {
 public:
  CliUi(Context& context, bool open_for_real);
  ~CliUi() override;

  void ShellOpen(std::u16string_view target, std::u16string_view parameters) override;
  /// Prints "CAPTION: TEXT" on standard error; the command ends with status 2.
  void MessageBox(std::u16string_view text, std::u16string_view caption) override;
  /// A line on standard error, rewritten in place, for long walks on a terminal.
  void Progress(int64_t done, int64_t total) override;

 private:
  Context& context_;
  bool open_;
  bool terminal_;  // standard error is a terminal
  bool progress_shown_ = false;
};

/// What a command wrote, the INF files that failed and its notes, one line each, on standard output.
void PrintResult(const CommandResult& result);

}  // namespace torvane::cli
