// torvane-cli inspect: the driver record of each INF file, as every command sees it.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/output.h"
#include "commands/inspect_command.h"
#include "commands/shared_state.h"
#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/text.h"

namespace torvane::cli {

namespace {

struct InspectOptions {
  std::vector<std::string> files;
  bool json = false;
};

void PrintText(const InfInspection& r) {
  auto line = [](const char* label, std::u16string_view value) {
    std::cout << label;
    Print(std::cout, value);
    std::cout << '\n';
  };
  line("file:         ", r.file_name);
  std::cout << "scan failed:  " << (r.scan_failed ? "yes" : "no") << '\n'
            << "driver:       " << (r.is_driver ? "yes" : "no") << '\n';
  line("provider:     ", r.provider);
  line("class:        ", r.device_class);
  line("catalog file: ", r.catalog_file);
  line("version:      ", r.version);
  line("date:         ", r.date);
  line("day count:    ", r.date_count);
  line("directory:    ", r.directory);
  std::u16string targets;
  for (const auto& t : r.targets) targets += (targets.empty() ? u"" : u", ") + t;
  line("targets:      ", targets);
  auto block = [](const char* label, const std::vector<std::u16string>& items) {
    std::cout << label << " (" << items.size() << ")\n";
    for (const auto& item : items) {
      std::cout << "  ";
      Print(std::cout, item);
      std::cout << '\n';
    }
  };
  block("model sections:", r.manufacturer);
  block("hardware IDs:", r.hwids);
  block("dump block:", r.dump);
}

std::string Json(const InfInspection& r) {
  std::string out = "{";
  auto field = [&out](const char* name, const std::string& value) {
    if (out.size() > 1) out += ", ";
    out += "\"" + std::string(name) + "\": " + value;
  };
  field("file", JsonString(r.file_name));
  field("scanFailed", r.scan_failed ? "true" : "false");
  field("isDriver", r.is_driver ? "true" : "false");
  field("provider", JsonString(r.provider));
  field("class", JsonString(r.device_class));
  field("catalogFile", JsonString(r.catalog_file));
  field("version", JsonString(r.version));
  field("date", JsonString(r.date));
  field("dateCount", JsonString(r.date_count));
  field("directory", JsonString(r.directory));
  field("targets", JsonArray(r.targets));
  field("modelSections", JsonArray(r.manufacturer));
  field("hardwareIds", JsonArray(r.hwids));
  field("dump", JsonArray(r.dump));
  return out + "}";
}

}  // namespace

void AddInspectCommand(CLI::App& app, Context& context) {
  auto options = std::make_shared<InspectOptions>();
  CLI::App* command = app.add_subcommand("inspect", "Show the driver record of each INF file");
  command->add_option("INF", options->files, "INF files")->required();
  command->add_flag("--json", options->json, "One JSON array of records");
  command->callback([options, &context] {
    const SharedState state = CreateSharedState();
    bool first = true;
    if (options->json) std::cout << "[";
    for (const std::string& file : options->files) {
      try {
        const InfInspection report = InspectInf(FromNativeName(file), state.MfgsList);
        if (options->json) {
          std::cout << (first ? "\n  " : ",\n  ") << Json(report);
        } else {
          if (!first) std::cout << '\n';
          PrintText(report);
        }
        first = false;
        if (report.scan_failed) context.status = 1;
      } catch (const Error& e) {
        std::cerr << "torvane-cli: " << e.what() << '\n';
        context.status = 1;
      }
    }
    if (options->json) std::cout << (first ? "]\n" : "\n]\n");
  });
}

}  // namespace torvane::cli
