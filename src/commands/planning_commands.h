// The inventory, planning and staging commands of the window.
#pragma once

#include <string_view>

#include "commands/command_result.h"
#include "commands/shared_state.h"
#include "commands/ui_port.h"

namespace torvane {

/// The fixed folders the window's commands use.
inline constexpr std::u16string_view kPackageTree = u"E:\\Brisvale\\_DrvISO";
inline constexpr std::u16string_view kBackupRoot = u"E:\\Brisvale\\Win8x64";
inline constexpr std::u16string_view kStagingRoot = u"E:\\Brisvale\\Drv7x64";
inline constexpr int kBackupDays = 3650;

/// "驱动安装文件" (Button2): "2.InfList.txt", the inventory of every INF file of the tree.
CommandResult InfListCommand(SharedState& state, UiPort& ui, std::u16string_view folder = kPackageTree);

/// "驱动备份文件" (Button3): "3.DrvList.txt", the recent packages that serve the target.
CommandResult DrvListCommand(SharedState& state, UiPort& ui, std::u16string_view root = kBackupRoot,
                             int days = kBackupDays, TDriverVersion target = dvWin8x64);

/// "文件信息": "3.FilesList.txt", the digests of the files directly in the folder.
CommandResult FilesMD5Command(std::u16string_view dest_dir, UiPort& ui);

/// "驱动复制命令" (Button4): the planner on "0.CutList.txt", "2.InfList.txt", "3.DrvList.txt".
CommandResult PlanCommand(SharedState& state, UiPort& ui, TDriverVersion target = dvWin7x64,
                          std::u16string_view root = kStagingRoot);

/// "所有驱动文件" (Button1): deletes the files of lines of "2.WIMListSorted.txt" whose name
/// equals the line before; failed deletions are passed over.
CommandResult DedupeCommand();

/// "完全移动": "1.CopyFiles.bat" and "2.ZipFiles.bat" after the source-folder and version checks.
CommandResult FullCopyCommand(std::u16string_view src_dir, std::u16string_view dest_dir,
                              SharedState& state, UiPort& ui);

/// "压缩驱动" (marked) and "压缩镜像": "8.Compress.bat" for the third-level folders.
CommandResult CompressCommand(std::u16string_view dest_dir, bool marked);

/// "生成镜像": the capture of the folder into FOLDER.wim, named after the caption.
CommandResult CreateWimCommand(std::u16string_view dest_dir, const SharedState& state);

/// "精简移动": "Geng.txt", the copy lines of the packages "Feng.txt" asks for; the caption
/// becomes their number.
CommandResult MiniCopyCommand(SharedState& state);

}  // namespace torvane
