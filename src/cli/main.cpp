// torvane-cli: every command of the window, run without a display.
#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
  CLI::App app{"Torvane: driver-package catalogues, inventories and staging scripts"};
  app.set_version_flag("--version", std::string("torvane-cli ") + TORVANE_VERSION);
  app.require_subcommand(0, 1);
  CLI11_PARSE(app, argc, argv);
  if (app.get_subcommands().empty()) std::cout << app.help();
  return 0;
}
