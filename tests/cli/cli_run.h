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

/// Runs torvane-cli with the arguments (each passed as one word) in the working directory.
CliResult RunCli(const std::vector<std::string>& args, const std::string& working_dir = ".");

}  // namespace torvane::testing
