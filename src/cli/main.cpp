// torvane-cli: every command of the window, run without a display.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "foundation/error.h"
#include "foundation/parallel.h"
#include "foundation/process.h"
#include "foundation/random.h"

namespace {

// "SUBCOMMAND INPUT...: " for the subcommand that ran, its positional inputs quoted.
std::string WhatRan(const CLI::App& app) {
  std::string out;
  for (const CLI::App* sub : app.get_subcommands()) {
    out += sub->get_name();
    for (const CLI::Option* option : sub->get_options()) {
      if (!option->get_positional()) continue;
      for (const std::string& value : option->results()) out += " \"" + value + "\"";
    }
    out += ": ";
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  torvane::SeedProgramRandom();
  torvane::TuneMemoryForBulkWork();
  CLI::App app{"Torvane: driver-package catalogues, inventories and staging scripts"};
  app.set_version_flag("--version", std::string("torvane-cli ") + TORVANE_VERSION);
  app.require_subcommand(1);
  torvane::cli::Context context;
  app.add_flag("--open", context.open, "Also open written files and folders with xdg-open");
  int jobs = 0;
  app.add_option("--jobs", jobs, "Threads for scanning and digests (default: all cores)")
      ->check(CLI::NonNegativeNumber);
  app.parse_complete_callback([&jobs] { torvane::SetParallelJobs(jobs); });
  torvane::cli::AddInspectCommand(app, context);
  torvane::cli::AddIndexCommands(app, context);
  torvane::cli::AddPlanningCommands(app, context);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const torvane::Error& e) {
    // The system's messages name the cause; the command and the inputs it was given name what.
    std::cerr << "torvane-cli: " << WhatRan(app) << e.what() << '\n';
    return 1;
  }
  return context.status;
}
