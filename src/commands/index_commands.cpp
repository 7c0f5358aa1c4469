// The driver-index commands of the window.
#include "commands/index_commands.h"

#include <exception>
#include <thread>

#include "foundation/file_facts.h"
#include "foundation/file_io.h"
#include "foundation/parallel.h"
#include "foundation/process.h"
#include "foundation/text.h"
#include "index/scrambled_copy.h"
#include "index/target_index.h"
#include "inf/inf_file.h"
#include "inf/inf_values.h"
#include "inf/record_stream.h"

namespace torvane {

namespace {

constexpr std::u16string_view kUsrIdLine = u"硬件指纹=驱动文件（强行指定设备的对应驱动）";
constexpr std::u16string_view kHwidsTempLine =
    u"驱动文件=需要预装的驱动文件（驱动安装前预先注入另一个驱动进系统）";

void Scramble(std::u16string_view name, CommandResult& result) {
  WriteScrambledCopy(name);
  result.written.push_back({ScrambledCopyName(name), -1});
}

}  // namespace

CommandResult PublishIndex(std::u16string_view folder, const TStringList& mfgs_list,
                           const ModelMatchTexts& match, UiPort& ui) {
  CommandResult result;
  FullIndexSummary summary = RunFullIndex(folder, mfgs_list, match, ProgressOf(ui));
  result.written.push_back({u"IndexTemp.txt", summary.index_temp_lines});
  result.written.push_back({u"ErrorList.txt", static_cast<int>(summary.failed.size())});
  result.written.push_back({u"IndexList.txt", summary.index_list_lines});
  result.failed_infs = std::move(summary.failed);

  // The two other catalogue files are final already: their copies are made while
  // "HwidsList.txt" is rewritten.
  std::exception_ptr early_failure;
  std::thread early([&early_failure] {
    try {
      WriteScrambledCopy(u"IndexList.txt");
      WriteScrambledCopy(u"IndexTemp.txt");
    } catch (...) {
      early_failure = std::current_exception();
    }
  });

  // The INF paths of the dump blocks begin with the folder text; they become relative to the
  // store's root. Line numbers do not change, so the index lines stay valid.
  TStringList list;
  try {
    list.LoadFromFile(u"HwidsList.txt");
    // The walk refused a folder text with a control character, so neither it nor
    // "Drivers\Files" holds a line break: setting the rewritten text back into the list would
    // split it into lines that saving joins into the very same text, which is written at once.
    const std::u16string text = ReplaceAll(list.Text(), folder, u"Drivers\\Files");
    WriteFileAtomically(u"HwidsList.txt", list.BytesOfText(text));
    result.written.push_back({u"HwidsList.txt", list.Count()});
    list.Clear();
    list.Add(std::u16string(kUsrIdLine));
    SaveList(list, u"UsrIDList.txt", result);
    list.Clear();
    list.Add(std::u16string(kHwidsTempLine));
    SaveList(list, u"HwidsTemp.txt", result);

    constexpr std::u16string_view kCopied[] = {u"HwidsList.txt", u"UsrIDList.txt", u"HwidsTemp.txt"};
    ProduceInOrder<int>(
        std::size(kCopied), [&](int64_t k) { WriteScrambledCopy(kCopied[k]); return 0; },
        [](int64_t, int&) {});
  } catch (...) {
    early.join();
    throw;
  }
  early.join();
  if (early_failure) std::rethrow_exception(early_failure);
  for (std::u16string_view name :
       {u"HwidsList.txt", u"IndexList.txt", u"IndexTemp.txt", u"UsrIDList.txt", u"HwidsTemp.txt"}) {
    result.written.push_back({ScrambledCopyName(name), -1});
  }
  ui.ShellOpen(ProgramFolder(), u"");
  return result;
}

CommandResult FullIndexCommand(std::u16string_view dest_dir, const SharedState& state, UiPort& ui) {
  return PublishIndex(dest_dir, state.MfgsList, kWindows7x64Match, ui);
}

CommandResult ScrambleCommand(std::u16string_view file_name) {
  CommandResult result;
  Scramble(file_name, result);
  return result;
}

CommandResult SingleFileTestCommand(SharedState& state, UiPort& ui, std::u16string_view inf_path) {
  CommandResult result;
  TStringList dump_list, index_list;
  TInfFile inf(inf_path);
  const NewErrors errors(state.ErrorList);
  inf.LoadValues(state.MfgsList, state.ErrorList);
  errors.Into(result);
  inf.DumpInfList(dump_list);
  AddTargetIndexLines(inf, dvWin8x86, dump_list, index_list);
  SaveList(dump_list, u"InfList.txt", result);
  SaveList(index_list, u"TmpList.txt", result);
  ui.ShellOpen(u"InfList.txt", u"");
  ui.ShellOpen(u"TmpList.txt", u"");
  return result;
}

CommandResult MultiFileTestCommand(std::u16string_view src_dir, SharedState& state, UiPort& ui) {
  CommandResult result;
  TStringList dump_list;
  const NewErrors errors(state.ErrorList);
  ScanWalkedRecords(src_dir, u"*.inf", true, state.MfgsList, state.ErrorList, {},
                    [&](int64_t i, const std::u16string&, ScannedRecord& scanned, int64_t found) {
    const TInfFile& inf = *scanned.inf;
    if (inf.FDriverVersion.Contains(state.TargetVersion)) {
      // The number counts every file found, so skipped files leave gaps.
      dump_list.Add(inf.FDirectory + IntToStr(i));
      inf.DumpInfList(dump_list);
      dump_list.AddStrings(inf.FHwids);
    }
    ui.Progress(i + 1, found);
  });
  errors.Into(result);
  SaveList(dump_list, u"InfList.txt", result);
  ui.ShellOpen(u"InfList.txt", u"");
  return result;
}

}  // namespace torvane
