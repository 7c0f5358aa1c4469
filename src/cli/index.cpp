// torvane-cli full-index, single-test, multi-test, scramble, unscramble and lookup.
#include <iostream>
#include <memory>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "commands/index_commands.h"
#include "commands/lookup_command.h"
#include "foundation/file_io.h"
#include "foundation/file_names.h"
#include "index/scrambled_copy.h"

namespace torvane::cli {

namespace {

struct IndexOptions {
  std::string dest, src, inf = NativePath(kSingleTestInf), target = "7-x64";
  std::string file = "HwidsTemp.txt", output;
  std::vector<std::string> hwids;
  bool this_machine = false;
};

void PrintHits(const std::u16string& id, const std::vector<DriverHit>& hits) {
  Print(std::cout, id);
  std::cout << (hits.empty() ? ": no driver\n" : ":\n");
  for (const DriverHit& hit : hits) {
    std::cout << "  ";
    Print(std::cout, hit.inf_path + u"  " + hit.provider + u"  " + hit.device_class + u"  " +
                         hit.version + u"  " + hit.date);
    std::cout << '\n';
  }
}

}  // namespace

void AddIndexCommands(CLI::App& app, Context& context) {
  auto o = std::make_shared<IndexOptions>();

  CLI::App* full = app.add_subcommand(
      "full-index", "Catalogue a store: HwidsList, IndexTemp, IndexList, ErrorList and .dis copies");
  full->add_option("DEST", o->dest, "The store folder (the window's destination folder)")->required();
  full->callback([o, &context] {
    CliUi ui(context, context.open);
    const SharedState state = CreateSharedState();
    PrintResult(FullIndexCommand(FromNativeName(o->dest), state, ui));
  });

  CLI::App* single = app.add_subcommand("single-test", "Dump one INF and its Windows 8 x86 index lines");
  single->add_option("INF", o->inf, "The INF file")->capture_default_str();
  single->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    PrintResult(SingleFileTestCommand(state, ui, FromNativeName(o->inf)));
  });

  CLI::App* multi = app.add_subcommand("multi-test", "Dump every INF below SRC that serves the target");
  multi->add_option("SRC", o->src, "The source folder")->required();
  multi->add_option("--target", o->target, "Windows target")->check(TargetValidator())->capture_default_str();
  multi->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    state.TargetVersion = ParseTarget(o->target);
    PrintResult(MultiFileTestCommand(FromNativeName(o->src), state, ui));
  });

  CLI::App* scramble = app.add_subcommand("scramble", "Write the .dis copy of one file");
  scramble->add_option("FILE", o->file, "A file whose name ends in .txt")->capture_default_str();
  scramble->callback([o] { PrintResult(ScrambleCommand(FromNativeName(o->file))); });

  CLI::App* unscramble = app.add_subcommand("unscramble", "Restore the bytes of a .dis copy");
  unscramble->add_option("FILE", o->file, "The .dis file")->required();
  unscramble->add_option("-o,--output", o->output, "Write to this file instead of standard output");
  unscramble->callback([o] {
    const std::string bytes = RestoreScrambledBytes(ReadFileBytes(FromNativeName(o->file)));
    if (o->output.empty()) {
      std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    } else {
      WriteFileAtomically(FromNativeName(o->output), bytes);
    }
  });

  CLI::App* lookup = app.add_subcommand(
      "lookup", "The drivers of hardware IDs, newest first, from the catalogue in this folder");
  lookup->add_option("HWID", o->hwids, "Hardware IDs");
  lookup->add_flag("--this-machine", o->this_machine, "This machine's PCI and USB hardware IDs");
  lookup->callback([o, &context] {
    const CatalogueReader catalogue = CatalogueReader::LoadFromWorkingDirectory();
    std::vector<std::u16string> ids;
    for (const std::string& id : o->hwids) ids.push_back(FromNativeName(id));
    if (o->this_machine) {
      const auto mine = ThisMachineHardwareIds();
      ids.insert(ids.end(), mine.begin(), mine.end());
    }
    int covered = 0;
    for (const auto& id : ids) {
      const auto hits = catalogue.Find(id);
      covered += !hits.empty();
      PrintHits(id, hits);
    }
    if (o->this_machine) std::cout << covered << " of " << ids.size() << " IDs covered\n";
    if (!o->this_machine && covered < static_cast<int>(ids.size())) context.status = 1;
  });
}

}  // namespace torvane::cli
