// The inventory, planning and staging commands of the window.
#include "commands/planning_commands.h"

#include "foundation/file_facts.h"
#include "foundation/file_names.h"
#include "foundation/process.h"
#include "foundation/text.h"
#include "planning/batch_lines.h"
#include "planning/inventories.h"
#include "planning/staging.h"
#include "planning/wim_planner.h"

namespace torvane {

namespace {

TStringList Load(std::u16string_view name) {
  TStringList list;
  list.LoadFromFile(name);
  return list;
}

}  // namespace

CommandResult InfListCommand(SharedState& state, UiPort& ui, std::u16string_view folder) {
  CommandResult result;
  const NewErrors errors(state.ErrorList);
  const TStringList list =
      ListPackagesWithDigest(folder, u"*.inf", state.MfgsList, state.ErrorList, ProgressOf(ui));
  SaveList(list, u"2.InfList.txt", result);
  errors.Into(result);
  return result;
}

CommandResult DrvListCommand(SharedState& state, UiPort& ui, std::u16string_view root, int days,
                             TDriverVersion target) {
  CommandResult result;
  const NewErrors errors(state.ErrorList);
  const TStringList list = ListRecentTargetPackages(root, days, target, state.MfgsList,
                                                    state.ErrorList, ProgressOf(ui));
  SaveList(list, u"3.DrvList.txt", result);
  errors.Into(result);
  return result;
}

CommandResult FilesMD5Command(std::u16string_view dest_dir, UiPort& ui) {
  CommandResult result;
  SaveList(ListFolderDigests(dest_dir, ProgressOf(ui)), u"3.FilesList.txt", result);
  return result;
}

CommandResult PlanCommand(SharedState& state, UiPort& ui, TDriverVersion target,
                          std::u16string_view root) {
  CommandResult result;
  const NewErrors errors(state.ErrorList);
  const TStringList cut_list = Load(u"0.CutList.txt");
  const TStringList inf_inventory = Load(u"2.InfList.txt");
  const TStringList drv_inventory = Load(u"3.DrvList.txt");
  TStringList copy_script, hwids_list, index_temp;
  const PlannerSummary summary =
      PlanWimCopy({inf_inventory, drv_inventory, cut_list}, {copy_script, hwids_list, index_temp},
                  target, root, state.MfgsList, state.ErrorList, ProgressOf(ui));
  result.written.push_back({u"6.IndexTemp.txt", summary.index_temp_lines});
  result.written.push_back({u"7.IndexList.txt", summary.catalogue_lines});
  result.written.push_back({u"8.WIMFile.txt", summary.wim_lines});
  result.written.push_back({u"9.WimCopy.bat", summary.wim_script_lines});
  SaveList(copy_script, u"4.AllCopy.bat", result);
  SaveList(hwids_list, u"5.HwidsList.txt", result);
  SaveList(index_temp, u"6.IndexTemp.txt", result);
  errors.Into(result);
  return result;
}

namespace {

// A list names the files to delete, so a line must not reach a file the store's own folders
// cannot hold: a rooted path ("\x", "\\server\x", "\\?\x") or one whose ".." segments climb
// above the working folder. Drive paths ("E:\...") are folders below it.
bool StaysInWorkingFolder(std::u16string_view path) {
  if (path.empty() || path[0] == u'\\' || path[0] == u'/') return false;
  int depth = 0;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of(u"\\/", start);
    if (end == std::u16string_view::npos) end = path.size();
    const std::u16string_view segment = path.substr(start, end - start);
    if (segment == u"..") {
      if (--depth < 0) return false;
    } else if (!segment.empty() && segment != u".") {
      ++depth;
    }
    start = end + 1;
  }
  return true;
}

}  // namespace

CommandResult DedupeCommand() {
  CommandResult result;
  const TStringList list = Load(u"2.WIMListSorted.txt");
  int deleted = 0;
  for (int i = 1; i < list.Count(); ++i) {
    if (list.Names(i) != list.Names(i - 1)) continue;
    const std::u16string path = list.ValueFromIndex(i);
    if (!StaysInWorkingFolder(path)) {
      result.notes.push_back(u"not deleted, outside the working folder: " + path);
      continue;
    }
    try {
      RemoveFile(path);
      ++deleted;
    } catch (...) {
      // A duplicate that cannot be deleted stays; the others still go.
    }
  }
  result.notes.push_back(u"deleted " + IntToStr(deleted) + u" duplicate file(s)");
  return result;
}

CommandResult FullCopyCommand(std::u16string_view src_dir, std::u16string_view dest_dir,
                              SharedState& state, UiPort& ui) {
  CommandResult result;
  if (!FolderExists(src_dir)) {
    ui.MessageBox(u"没有发现设置的驱动程序目录，请重新设置目录！", u"目录设置");
    return result;
  }
  if (state.Caption.find(u"Win") == std::u16string::npos) {
    ui.MessageBox(u"没有设置 Windows 的版本，请设置操作系统版本！", u"版本设置");
    return result;
  }
  const NewErrors errors(state.ErrorList);
  const FullCopyScripts scripts = BuildFullCopyScripts(src_dir, dest_dir, state.TargetVersion,
                                                       state.MfgsList, state.ErrorList, ProgressOf(ui));
  SaveList(scripts.copy, u"1.CopyFiles.bat", result);
  SaveList(scripts.archive, u"2.ZipFiles.bat", result);
  errors.Into(result);
  return result;
}

CommandResult CompressCommand(std::u16string_view dest_dir, bool marked) {
  CommandResult result;
  SaveList(BuildCompressScript(dest_dir, marked), u"8.Compress.bat", result);
  return result;
}

CommandResult CreateWimCommand(std::u16string_view dest_dir, const SharedState& state) {
  CommandResult result;
  const std::u16string parameters = CaptureParameters(dest_dir, state.Caption);
  result.notes.push_back(u"cmd.exe" + parameters);
  // The same capture, by the Linux tool, with an argument vector: no folder name or caption can
  // become part of another command.
  const std::u16string image_name = state.Caption + u" Drivers Pack by Ostrel";
  const bool started = LaunchDetached(
      "wimlib-imagex", {"capture", NativePath(dest_dir), NativePath(std::u16string(dest_dir) + u".wim"),
                        ToUtf8(image_name), "--compress=maximum"});
  result.notes.push_back(started ? u"started wimlib-imagex capture"
                                 : u"wimlib-imagex is not installed (Debian package wimtools): "
                                   u"nothing was captured");
  return result;
}

CommandResult MiniCopyCommand(SharedState& state) {
  CommandResult result;
  Load(u"IndexList.txt");  // must be readable, though its lines are not used
  const TStringList hwids_list = Load(u"HwidsList.txt");
  const TStringList requests = Load(u"Feng.txt");
  const TStringList lines = BuildReducedCopyLines(hwids_list, requests);
  state.Caption = IntToStr(lines.Count());
  SaveList(lines, u"Geng.txt", result);
  return result;
}

}  // namespace torvane
