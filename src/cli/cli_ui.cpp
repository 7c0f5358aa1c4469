// The terminal's side of the Ui port.
#include "cli/cli_ui.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>

#include "cli/output.h"
#include "foundation/file_names.h"

extern char** environ;

namespace torvane::cli {

namespace {

// Walks shorter than this finish before a progress line would help.
constexpr int64_t kProgressMinimum = 300;

}  // namespace

CliUi::CliUi(Context& context, bool open_for_real)
    : context_(context), open_(open_for_real), terminal_(isatty(STDERR_FILENO) != 0) {}

CliUi::~CliUi() {
  if (progress_shown_) std::cerr << '\n';
}

void CliUi::ShellOpen(std::u16string_view target, std::u16string_view parameters) {
  std::string native = NativePath(target);
  std::cout << "open: " << native;
  if (!parameters.empty()) {
    std::cout << ' ';
    Print(std::cout, parameters);
  }
  std::cout << '\n';
  if (!open_) return;
  // Handed over as an argument vector, never through a shell; the result is not checked.
  std::string program = "xdg-open";
  char* argv[] = {program.data(), native.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
}

void CliUi::MessageBox(std::u16string_view text, std::u16string_view caption) {
  Print(std::cerr, caption);
  std::cerr << ": ";
  Print(std::cerr, text);
  std::cerr << '\n';
  context_.status = 2;
}

void CliUi::Progress(int64_t done, int64_t total) {
  if (total < kProgressMinimum || !terminal_) return;
  if (done != total && done % 50 != 0) return;
  std::cerr << "\r" << done << " of " << total << " files" << std::flush;
  progress_shown_ = true;
}

void PrintResult(const CommandResult& result) {
  for (const std::u16string& line : DescribeResult(result)) {
    Print(std::cout, line);
    std::cout << '\n';
  }
}

}  // namespace torvane::cli
