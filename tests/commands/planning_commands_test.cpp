// Tests of the staging commands as the window runs them: checks, scripts and the reduced copy.
#include "commands/planning_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "foundation/file_names.h"
#include "foundation/process.h"
#include "foundation/text.h"
#include "support/error_message.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

std::string Driver(const std::string& decoration) {
  return "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=07/26/2012,7.2\r\n[Manufacturer]\r\n"
         "%M%=M," + decoration + "\r\n[M." + decoration + "]\r\n%D%=I,PCI\\VEN_1\r\n[Strings]\r\nD=x\r\n";
}

TStringList Load(const testing::TempDir& dir, const char* name) {
  TStringList list;
  list.LoadFromFile(FromNativeName(dir.Join(name)));
  return list;
}

TEST(FullCopyCommand, ChecksTheSourceFolderThenTheCaption) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.MakeDir("Src");
  SharedState state = CreateSharedState();
  const struct {
    std::u16string src, caption, message;
  } cases[] = {
      {u"Missing", u"12", u"目录设置: 没有发现设置的驱动程序目录，请重新设置目录！"},
      {u"Src", u"12", u"版本设置: 没有设置 Windows 的版本，请设置操作系统版本！"},
      {u"Src", u"windows 7 x64", u"版本设置: 没有设置 Windows 的版本，请设置操作系统版本！"},
  };
  for (const auto& c : cases) {
    testing::RecordingUi ui;
    state.Caption = c.caption;
    const CommandResult result = FullCopyCommand(c.src, u"D", state, ui);
    EXPECT_EQ(ui.messages, Items{c.message});
    EXPECT_TRUE(result.written.empty());
  }
  EXPECT_NE(access(dir.Join("1.CopyFiles.bat").c_str(), F_OK), 0);
}

TEST(FullCopyCommand, OnlyDriversOfTheTargetGetLinesNumberedByWalkPosition) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("Src/a/a.inf", Driver("NTx86"));
  dir.WriteFile("Src/b/b.inf", Driver("NTamd64"));
  dir.WriteFile("Src/c/c.inf", Driver("NTx86"));
  SharedState state = CreateSharedState();
  testing::RecordingUi ui;
  FullCopyCommand(u"Src", u"E:\\Drv7x64_ALL\\Drivers\\Files", state, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Load(dir, "1.CopyFiles.bat").ToVector(),
            Items{u"robocopy Src\\b\\ E:\\Drv7x64_ALL\\Drivers\\Files\\Drivers\\Files\\Net\\Other\\[7.2]1 /e"});
  EXPECT_EQ(testing::ReadFileBytes(dir.Join("2.ZipFiles.bat")),
            "7z a E:\\Drv7x64_ALL\\Drivers\\Files\\Drivers\\Files\\Net\\Other\\[7.2]1.7z Src\\b\\*.* -r -mx9 \r\n");
}

TEST(CompressCommand, ArchivesTheThirdLevelFolders) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.MakeDir("D/Net/Intel/[1.0]3");
  dir.MakeDir("D/Net/Intel/[2.0]4");
  dir.MakeDir("D/Net/Shallow");
  dir.WriteFile("D/Net/Intel/file.txt", "not a folder");
  CompressCommand(u"D", true);
  EXPECT_EQ(Load(dir, "8.Compress.bat").ToVector(),
            (Items{u"7z a D\\Net\\Intel\\[1.0]3.7z >>>D\\Net\\Intel\\[1.0]3\\*.* -r -mx9",
                   u"7z a D\\Net\\Intel\\[2.0]4.7z >>>D\\Net\\Intel\\[2.0]4\\*.* -r -mx9"}));
  CompressCommand(u"D\\Net", false);
  EXPECT_EQ(testing::ReadFileBytes(dir.Join("8.Compress.bat")), "");
  EXPECT_EQ(testing::MessageOf([] { CompressCommand(u"Missing", false); }),
            u"The specified path was not found");
}

TEST(MiniCopyCommand, EachRunWritesItsOwnLinesAndCountsThem) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  TStringList hwids;
  for (int i = 0; i < 20; ++i) hwids.Add(u"Files\\Net\\Pkg" + IntToStr(i) + u"\\net.inf");
  hwids.SaveToFile(u"HwidsList.txt");
  dir.WriteFile("IndexList.txt", "");
  dir.WriteFile("Feng.txt", "5120@12@\r\n4000@3@\r\n7x\r\n");  // no "@": "7x" less its end
  SharedState state = CreateSharedState();
  state.ErrorList.Add(u"E:\\some\\failed.inf");
  for (int run = 0; run < 2; ++run) {
    MiniCopyCommand(state);
    EXPECT_EQ(Load(dir, "Geng.txt").ToVector(),
              (Items{u"robocopy D:\\Brisvale\\Drivers\\Files\\Net\\Pkg12\\ TTTD:\\Brisvale\\Drivers\\Files\\Net\\Pkg12\\ /e",
                     u"robocopy D:\\Brisvale\\Drivers\\Files\\Net\\Pkg3\\ TTTD:\\Brisvale\\Drivers\\Files\\Net\\Pkg3\\ /e",
                     u"robocopy D:\\Brisvale\\Drivers\\Files\\Net\\Pkg7\\ TTTD:\\Brisvale\\Drivers\\Files\\Net\\Pkg7\\ /e"}));
    EXPECT_EQ(state.Caption, u"3");
  }
}

TEST(MiniCopyCommand, BadRequestsStopWithoutWriting) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("IndexList.txt", "");
  dir.WriteFile("HwidsList.txt", "a\r\nb\r\n");
  SharedState state = CreateSharedState();
  state.Caption = u"Windows 7 x64";
  const struct {
    std::string feng;
    std::u16string message;
  } cases[] = {
      {"5120@12@3\r\n", u"'12@' is not a valid integer value"},
      {"5120@5@\r\n", u"List index out of bounds (5)"},
      {"7@\r\n", u"'' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    dir.WriteFile("Feng.txt", c.feng);
    EXPECT_EQ(testing::MessageOf([&] { MiniCopyCommand(state); }), c.message) << c.feng;
    EXPECT_EQ(state.Caption, u"Windows 7 x64");
    EXPECT_NE(access(dir.Join("Geng.txt").c_str(), F_OK), 0);
  }
  dir.WriteFile("Feng.txt", "1x\r\n");
  MiniCopyCommand(state);  // "1x" less its last character is line 1
  EXPECT_EQ(state.Caption, u"1");
  unlink(dir.Join("Feng.txt").c_str());
  EXPECT_NE(testing::MessageOf([&] { MiniCopyCommand(state); }).find(u"Feng.txt"), std::u16string::npos);
}

TEST(DedupeCommand, DeletesEveryFileButTheFirstOfARun) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  std::string list;
  const char* names[] = {"A", "A", "A", "B", "A", "b"};
  for (int i = 0; i < 6; ++i) {
    dir.WriteFile("f" + std::to_string(i), "x");
    list += std::string(names[i]) + "=f" + std::to_string(i) + "\r\n";
  }
  list += "b=missing-file\r\n";  // a failed deletion is passed over
  dir.WriteFile("2.WIMListSorted.txt", list);
  DedupeCommand();
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(access(dir.Join("f" + std::to_string(i)).c_str(), F_OK) == 0, i != 1 && i != 2) << i;
  }
  unlink(dir.Join("2.WIMListSorted.txt").c_str());
  EXPECT_NE(testing::MessageOf([] { DedupeCommand(); }), u"");
}

TEST(CreateWimCommand, BuildsTheCaptureTextAndSaysWhetherItRan) {
  SharedState state = CreateSharedState();
  state.Caption = u"Windows 8 x86";
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  const CommandResult result = CreateWimCommand(u"E:\\D", state);
  ASSERT_EQ(result.notes.size(), 2u);
  EXPECT_EQ(result.notes[0],
            u"cmd.exe /c imagex.exe /capture E:\\D E:\\D.wim \"Windows 8 x86 Drivers Pack by Ostrel\" /COMPRESS maximum");
  EXPECT_EQ(result.notes[1].find(u"not installed") != std::u16string::npos, !ProgramOnPath("wimlib-imagex"));
}

}  // namespace
}  // namespace torvane
