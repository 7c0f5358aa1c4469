// The subcommands of torvane-cli; each file adds one or a few to the application.
#pragma once

#include <CLI/CLI.hpp>

namespace torvane::cli {

/// Exit status of the subcommand that ran; set by its callback.
struct Outcome {
  int status = 0;
};

void AddInspectCommand(CLI::App& app, Outcome& outcome);

}  // namespace torvane::cli
