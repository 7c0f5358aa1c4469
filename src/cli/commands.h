// The subcommands of torvane-cli; each file adds one or a few to the application.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "inf/driver_version.h"

namespace torvane::cli {

/// What the subcommands share: options of the whole program and the exit status.
struct Context {
  int status = 0;
  bool open = false;  // --open: hand files and folders to xdg-open as well
};

/// A target given as an ordinal 0–4 or a short name (xp-x86, 7-x86, 7-x64, 8-x86, 8-x64).
TDriverVersion ParseTarget(const std::string& text);
/// The CLI11 check that goes with it.
CLI::Validator TargetValidator();

void AddInspectCommand(CLI::App& app, Context& context);
void AddIndexCommands(CLI::App& app, Context& context);
void AddPlanningCommands(CLI::App& app, Context& context);

}  // namespace torvane::cli
