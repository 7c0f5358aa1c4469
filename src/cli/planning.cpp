// torvane-cli inf-list, drv-list, files-md5, plan, dedupe, full-copy, compress, compress-wim,
// create-wim and mini-copy.
#include <iostream>
#include <memory>

#include "cli/cli_ui.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "commands/planning_commands.h"
#include "foundation/file_names.h"
#include "foundation/text.h"

namespace torvane::cli {

namespace {

struct PlanningOptions {
  std::string folder = NativePath(kPackageTree), root = NativePath(kBackupRoot);
  std::string plan_root = NativePath(kStagingRoot);
  std::string src, dest, caption;
  std::string target = "8-x64", plan_target = "7-x64", copy_target = "7-x64";
  int days = kBackupDays;
};


std::u16string Text(const std::string& native) { return FromNativeName(native); }

}  // namespace

void AddPlanningCommands(CLI::App& app, Context& context) {
  auto o = std::make_shared<PlanningOptions>();

  CLI::App* inf_list = app.add_subcommand("inf-list", "2.InfList.txt: every INF of the package tree");
  inf_list->add_option("FOLDER", o->folder, "The package tree")->capture_default_str();
  inf_list->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    PrintResult(InfListCommand(state, ui, Text(o->folder)));
  });

  CLI::App* drv_list = app.add_subcommand("drv-list", "3.DrvList.txt: recent packages of a target");
  drv_list->add_option("ROOT", o->root, "The backup folder")->capture_default_str();
  drv_list->add_option("--days", o->days, "Package folders created within this many days")
      ->capture_default_str();
  drv_list->add_option("--target", o->target, "Windows target")->check(TargetValidator())->capture_default_str();
  drv_list->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    PrintResult(DrvListCommand(state, ui, Text(o->root), o->days, ParseTarget(o->target)));
  });

  CLI::App* files_md5 = app.add_subcommand("files-md5", "3.FilesList.txt: digests of the files in DEST");
  files_md5->add_option("DEST", o->dest, "The destination folder")->required();
  files_md5->callback([o, &context] {
    CliUi ui(context, context.open);
    PrintResult(FilesMD5Command(Text(o->dest), ui));
  });

  CLI::App* plan = app.add_subcommand("plan", "The WIM copy plan from 0.CutList, 2.InfList, 3.DrvList");
  plan->add_option("--target", o->plan_target, "Windows target")->check(TargetValidator())->capture_default_str();
  plan->add_option("--root", o->plan_root, "The staging root")->capture_default_str();
  plan->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    PrintResult(PlanCommand(state, ui, ParseTarget(o->plan_target), Text(o->plan_root)));
  });

  app.add_subcommand("dedupe", "Delete the duplicates named in 2.WIMListSorted.txt")
      ->callback([] { PrintResult(DedupeCommand()); });

  CLI::App* full_copy = app.add_subcommand("full-copy", "1.CopyFiles.bat and 2.ZipFiles.bat");
  full_copy->add_option("SRC", o->src, "The source folder")->required();
  full_copy->add_option("DEST", o->dest, "The destination folder")->required();
  full_copy->add_option("--target", o->copy_target, "Windows target")->check(TargetValidator())->capture_default_str();
  full_copy->add_option("--caption", o->caption, "The window caption (default: the target's name)");
  full_copy->callback([o, &context] {
    CliUi ui(context, context.open);
    SharedState state = CreateSharedState();
    state.TargetVersion = ParseTarget(o->copy_target);
    state.Caption = o->caption.empty() ? std::u16string(DriverVersionText(state.TargetVersion))
                                       : FromUtf8(o->caption);
    PrintResult(FullCopyCommand(Text(o->src), Text(o->dest), state, ui));
  });

  for (const bool marked : {true, false}) {
    CLI::App* compress = app.add_subcommand(marked ? "compress" : "compress-wim",
                                            "8.Compress.bat for the third-level folders of DEST");
    auto dest = std::make_shared<std::string>();
    compress->add_option("DEST", *dest, "The destination folder")->required();
    compress->callback([dest, marked] { PrintResult(CompressCommand(Text(*dest), marked)); });
  }

  CLI::App* create_wim = app.add_subcommand("create-wim", "Capture DEST into DEST.wim");
  auto wim = std::make_shared<std::pair<std::string, std::string>>("", "Windows 7 x64");
  create_wim->add_option("DEST", wim->first, "The destination folder")->required();
  create_wim->add_option("--caption", wim->second, "The window caption")->capture_default_str();
  create_wim->callback([wim] {
    SharedState state = CreateSharedState();
    state.Caption = FromUtf8(wim->second);
    PrintResult(CreateWimCommand(Text(wim->first), state));
  });

  app.add_subcommand("mini-copy", "Geng.txt: copy lines of the packages Feng.txt asks for")
      ->callback([] {
        SharedState state = CreateSharedState();
        PrintResult(MiniCopyCommand(state));
        std::cout << "caption: ";
        Print(std::cout, state.Caption);
        std::cout << '\n';
      });
}

}  // namespace torvane::cli
