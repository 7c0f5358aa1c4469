// Running torvane-cli from a test: its exit status and what it printed.
#pragma once

#include <string>
#include <vector>

namespace torvane::testing {

struct CliResult {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

/// Faults the child process runs under.
struct CliLimits {
  /// Largest file the process may write, in bytes (RLIMIT_FSIZE; writes past it fail as on a
  /// full disk); 0 for none.
  long long file_size = 0;
  /// Run as the unprivileged user 65534 when the test runs as root, so that permission bits
  /// hold.
  bool unprivileged = false;
  /// Prepended to PATH.
  std::string path_prefix;
  /// The program to run instead of the built torvane-cli (a copy that user 65534 can reach).
  std::string program;
};

/// Runs torvane-cli with the arguments (each passed as one word) in the working directory.
CliResult RunCli(const std::vector<std::string>& args, const std::string& working_dir = ".",
                 const CliLimits& limits = {});

}  // namespace torvane::testing
