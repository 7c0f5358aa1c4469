// Tests of the index commands as the window runs them: publishing, Button5 and the test dumps.
#include "commands/index_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "foundation/code_page.h"
#include "foundation/file_names.h"
#include "foundation/process.h"
#include "index/scrambled_copy.h"
#include "support/error_message.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;
using testing::ReadFileBytes;

constexpr std::string_view kNic =
    "[Version]\r\nClass=Net\r\nProvider=%M%\r\nDriverVer=07/26/2012,2.0\r\n[Manufacturer]\r\n"
    "%M%=Models,NTx86,NTamd64\r\n[Models.NTx86]\r\n%D%=I,PCI\\VEN_1&DEV_2\r\n"
    "[Models.NTamd64]\r\n%D%=I,PCI\\VEN_1&DEV_2\r\n%D%=I,PCI\\VEN_1&DEV_3\r\n%D%=I,PCI\\VEN_1&DEV_4\r\n"
    "[Strings]\r\nM=\"Intel Corporation\"\r\nD=\"Gigabit NIC\"\r\n";

std::string Gbk(std::u16string_view text) { return CodePage::Open(936)->Encode(text); }

TStringList Lines(const std::string& native) {
  TStringList list;
  list.LoadFromFile(FromNativeName(native));
  return list;
}

TEST(PublishIndex, PathsBecomeRelativeAndEveryCopyRestores) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("E:/Store/Drivers/Files/Net/Intel/[2.0]/nic.inf", kNic);
  testing::RecordingUi ui;
  SharedState state = CreateSharedState();
  const CommandResult result = FullIndexCommand(u"E:\\Store\\Drivers\\Files", state, ui);

  const TStringList hwids = Lines(dir.Join("HwidsList.txt"));
  EXPECT_EQ(hwids.Strings(0), u"Drivers\\Files\\Net\\Intel\\[2.0]\\nic.inf");
  EXPECT_EQ(hwids.Strings(1), u"Intel");
  EXPECT_EQ(hwids.Count(), 8 + 3);
  EXPECT_EQ(ReadFileBytes(dir.Join("UsrIDList.txt")),
            Gbk(u"硬件指纹=驱动文件（强行指定设备的对应驱动）\r\n"));
  EXPECT_EQ(ReadFileBytes(dir.Join("HwidsTemp.txt")),
            Gbk(u"驱动文件=需要预装的驱动文件（驱动安装前预先注入另一个驱动进系统）\r\n"));
  for (const char* name : {"HwidsList", "IndexList", "IndexTemp", "UsrIDList", "HwidsTemp"}) {
    const std::string text = ReadFileBytes(dir.Join(std::string(name) + ".txt"));
    EXPECT_EQ(RestoreScrambledBytes(ReadFileBytes(dir.Join(std::string(name) + ".dis"))), text) << name;
  }
  EXPECT_NE(access(dir.Join("ErrorList.dis").c_str(), F_OK), 0);
  EXPECT_EQ(ui.opened, Items{ProgramFolder()});
  EXPECT_EQ(result.written.size(), 11u);
  EXPECT_TRUE(result.failed_infs.empty());
}

TEST(PublishIndex, AStoreWithoutDriversStillPublishesEverything) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("Store/readme.txt", "no drivers here");
  dir.WriteFile("Store/bad.inf", "");
  testing::RecordingUi ui;
  const CommandResult result = FullIndexCommand(u"Store", CreateSharedState(), ui);
  EXPECT_EQ(ReadFileBytes(dir.Join("HwidsList.txt")), "");
  EXPECT_EQ(RestoreScrambledBytes(ReadFileBytes(dir.Join("HwidsList.dis"))), "");
  EXPECT_EQ(ReadFileBytes(dir.Join("ErrorList.txt")), "Store\\bad.inf\r\n");
  EXPECT_EQ(result.failed_infs, Items{u"Store\\bad.inf"});
  EXPECT_EQ(ui.opened.size(), 1u);
}

TEST(PublishIndex, AnEmptyFolderTextReplacesNothing) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  testing::RecordingUi ui;
  EXPECT_EQ(testing::MessageOf([&] { FullIndexCommand(u"", CreateSharedState(), ui); }),
            u"Invalid characters in path");
  EXPECT_NE(access(dir.Join("HwidsList.txt").c_str(), F_OK), 0);
  EXPECT_TRUE(ui.opened.empty());
}

TEST(ScrambleCommand, ScramblesTheFileAsItStands) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  EXPECT_EQ(testing::MessageOf([] { ScrambleCommand(); }),
            u"Cannot open file \"" + FromNativeName(dir.path()) +
                u"/HwidsTemp.txt\". No such file or directory");
  dir.WriteFile("HwidsTemp.txt", "edited by hand\r\n");
  ScrambleCommand();
  EXPECT_EQ(RestoreScrambledBytes(ReadFileBytes(dir.Join("HwidsTemp.dis"))), "edited by hand\r\n");
}

TEST(TestDumps, SingleFileTestDumpsTheFixedFileForWindows8x86) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("E:/Brisvale/Win8x86/3057mbda.inf_x86_e1babbb38b011a26/3057mbda.inf", kNic);
  testing::RecordingUi ui;
  SharedState state = CreateSharedState();
  SingleFileTestCommand(state, ui);
  const TStringList dump = Lines(dir.Join("InfList.txt"));
  const TStringList index = Lines(dir.Join("TmpList.txt"));
  EXPECT_EQ(dump.Strings(0), std::u16string(kSingleTestInf));
  EXPECT_EQ(dump.Count(), 8 + 4);
  // Both model sections are indexed, since the record serves Windows 8 x86.
  EXPECT_EQ(index.ToVector(), (Items{u"PCI\\VEN_1&DEV_2=4590@0@0", u"PCI\\VEN_1&DEV_2=4590@0@1",
                                     u"PCI\\VEN_1&DEV_3=4590@0@2", u"PCI\\VEN_1&DEV_4=4590@0@3"}));
  EXPECT_EQ(dump.Names(10), index.Names(2));
  EXPECT_EQ(ui.opened, (Items{u"InfList.txt", u"TmpList.txt"}));
}

TEST(TestDumps, SingleFileTestStopsWhenTheFileIsMissing) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  testing::RecordingUi ui;
  SharedState state = CreateSharedState();
  EXPECT_NE(testing::MessageOf([&] { SingleFileTestCommand(state, ui); }).find(u"Cannot open file"),
            std::u16string::npos);
  EXPECT_NE(access(dir.Join("InfList.txt").c_str(), F_OK), 0);
}

TEST(TestDumps, MultiFileTestKeepsRecordsOfTheTargetNumberedByWalkPosition) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("Src/a.inf", kNic);
  dir.WriteFile("Src/b.inf", "[Version]\r\nDriverVer=05/06/2004\r\n[Manufacturer]\r\n%M%=M,NTx86\r\n"
                             "[M.NTx86]\r\n%D%=I,PCI\\OLD\r\n[Strings]\r\nD=Old\r\n");
  dir.WriteFile("Src/c.inf", kNic);
  testing::RecordingUi ui;
  SharedState state = CreateSharedState();
  state.TargetVersion = dvWin8x64;
  const CommandResult result = MultiFileTestCommand(u"Src", state, ui);
  const TStringList dump = Lines(dir.Join("InfList.txt"));
  ASSERT_EQ(dump.Count(), 2 * (1 + 8 + 4));
  EXPECT_EQ(dump.Strings(0), u"Drivers\\Files\\Net\\Intel\\[2.0]0");
  EXPECT_EQ(dump.Strings(1), u"Src\\a.inf");
  EXPECT_EQ(dump.Strings(13), u"Drivers\\Files\\Net\\Intel\\[2.0]2");
  EXPECT_EQ(ui.opened, Items{u"InfList.txt"});
  EXPECT_EQ(ui.last_done, 3);

  dir.MakeDir("Empty");
  MultiFileTestCommand(u"Empty", state, ui);
  EXPECT_EQ(ReadFileBytes(dir.Join("InfList.txt")), "");
  EXPECT_EQ(ui.opened.size(), 2u);
  EXPECT_EQ(testing::MessageOf([&] { MultiFileTestCommand(u"Missing", state, ui); }),
            u"The specified path was not found");
}

}  // namespace
}  // namespace torvane
