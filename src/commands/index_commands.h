// The driver-index commands of the window: the full index with its publishing, the scrambled
// copy of one file, and the two test dumps.
#pragma once

#include <string>
#include <string_view>

#include "commands/command_result.h"
#include "commands/shared_state.h"
#include "commands/ui_port.h"
#include "index/full_index.h"

namespace torvane {

/// The full index of a Windows 7 x64 store prefers NTAMD64.6.1 sections, then NTAMD64.6.0,
/// then undecorated NTAMD64 ones, whatever target the window shows.
inline const ModelMatchTexts kWindows7x64Match{u"64.6.1", u"64.6.0", u".NTAMD64="};

/// The fixed INF file of the single-file test.
inline constexpr std::u16string_view kSingleTestInf =
    u"E:\\Brisvale\\Win8x86\\3057mbda.inf_x86_e1babbb38b011a26\\3057mbda.inf";

/// Runs the full index of folder, rewrites the folder text in "HwidsList.txt" to
/// "Drivers\Files", writes "UsrIDList.txt" and "HwidsTemp.txt", the five ".dis" copies, and
/// opens the program's folder.
CommandResult PublishIndex(std::u16string_view folder, const TStringList& mfgs_list,
                           const ModelMatchTexts& match, UiPort& ui);

/// The "完全索引" button: PublishIndex of the destination folder with kWindows7x64Match.
CommandResult FullIndexCommand(std::u16string_view dest_dir, const SharedState& state, UiPort& ui);

/// The Button5 command: the scrambled copy of one file as it stands.
CommandResult ScrambleCommand(std::u16string_view file_name = u"HwidsTemp.txt");

/// The "单文件测试" button: dump and Windows 8 x86 index lines of one INF file into
/// "InfList.txt" and "TmpList.txt", both opened.
CommandResult SingleFileTestCommand(SharedState& state, UiPort& ui,
                                    std::u16string_view inf_path = kSingleTestInf);

/// The "多文件测试" button: every record below src_dir that serves the chosen target, dumped
/// into "InfList.txt", which is opened.
CommandResult MultiFileTestCommand(std::u16string_view src_dir, SharedState& state, UiPort& ui);

}  // namespace torvane
