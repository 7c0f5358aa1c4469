// Hostile and broken input through torvane-cli: every case ends in a clear error that names the
// input and the cause, or in the documented skip, and never in a crash or a partial file.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using testing::CliLimits;
using testing::ReadFileBytes;
using testing::RunCli;
using testing::TempDir;

const char kNic[] =
    "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=07/26/2012,2.0\r\n"
    "[Manufacturer]\r\n%M%=M,NTamd64\r\n[M.NTamd64]\r\n%D%=I,PCI\\VEN_1&DEV_2\r\n"
    "[Strings]\r\nD=\"NIC\"\r\n";

// Every file below the folder with its bytes, temporary files of a save included.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().string()] = ReadFileBytes(entry.path().string());
  }
  return files;
}

// The names of the files that differ between two snapshots, for a short failure message.
std::string Changed(const std::map<std::string, std::string>& before,
                    const std::map<std::string, std::string>& after) {
  std::string names;
  for (const auto& [name, bytes] : after) {
    const auto old = before.find(name);
    if (old == before.end() || old->second != bytes) names += " " + name;
  }
  for (const auto& [name, bytes] : before) {
    if (!after.count(name)) names += " -" + name;
  }
  return names;
}

#define EXPECT_UNCHANGED(before, folder, what) \
  EXPECT_EQ(Changed(before, Snapshot(folder)), "") << what

// Each catalogue's scrambled copy restores to the catalogue: nothing was written half.
void ExpectCopiesMatch(const TempDir& dir) {
  for (const char* name : {"HwidsList", "IndexList", "IndexTemp"}) {
    const auto restored = RunCli({"unscramble", std::string(name) + ".dis"}, dir.path());
    EXPECT_EQ(restored.status, 0) << name << restored.err;
    EXPECT_EQ(restored.out, ReadFileBytes(dir.Join(std::string(name) + ".txt"))) << name;
  }
}

TEST(BadFolders, EachStopsWithTheInputAndTheCauseAndWritesNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"full-index", ""}, "full-index \"\": Invalid characters in path"},
      {{"full-index", "   "}, "full-index \"   \": Invalid characters in path"},
      {{"full-index", "nosuch"}, "full-index \"nosuch\": The specified path was not found"},
      {{"full-index", "plain.txt"}, "full-index \"plain.txt\": The specified path was not found"},
      {{"full-index", "a|b"}, "Invalid characters in path"},
      {{"inf-list", "nosuch"}, "inf-list \"nosuch\": The specified path was not found"},
      {{"multi-test", "plain.txt"}, "multi-test \"plain.txt\": The specified path was not found"},
      {{"files-md5", "nosuch"}, "The specified path was not found"},
      {{"compress", "nosuch"}, "The specified path was not found"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.WriteFile("plain.txt", "not a folder");
    const auto before = Snapshot(dir.path());
    const auto run = RunCli(c.args, dir.path());
    EXPECT_EQ(run.status, 1) << c.args[0] << " " << c.args[1];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_UNCHANGED(before, dir.path(), c.args[0] + " " + c.args[1]);
  }
}

TEST(BadFolders, AFileThatVanishesAfterTheWalkIsNamedAndNothingIsWritten) {
  TempDir dir;
  dir.WriteFile("S/a.inf", kNic);
  // Listed by the walk, gone when it is read: a link to nothing behaves the same every run.
  ASSERT_EQ(symlink("/nonexistent/gone.inf", dir.Join("S/gone.inf").c_str()), 0);
  for (const std::string command : {"full-index", "multi-test"}) {
    const auto before = Snapshot(dir.path());
    const auto run = RunCli({command, "S"}, dir.path());
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("Cannot open file \"" + dir.Join("S/gone.inf") + "\". No such file or directory"),
              std::string::npos)
        << run.err;
    EXPECT_UNCHANGED(before, dir.path(), command);
  }
  // The inventory reads each size first; a file without one is skipped like an empty one.
  ASSERT_EQ(RunCli({"inf-list", "S"}, dir.path()).status, 0);
  EXPECT_EQ(ReadFileBytes(dir.Join("2.InfList.txt")).find("gone.inf"), std::string::npos);
}

TEST(BadInfFiles, HostileFilesAreScannedOrListedAndTheCataloguesStayWhole) {
  TempDir dir;
  dir.WriteFile("S/good.inf", kNic);
  std::mt19937 random(2026);
  std::string garbage(200000, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  dir.WriteFile("S/garbage.inf", garbage);
  dir.WriteFile("S/utf16_garbage.inf", "\xFF\xFE" + garbage);
  // One line of 100 MB, in the middle of an otherwise good file.
  std::string long_line = "[Version]\r\n;" + std::string(100 << 20, 'x') + "\r\n";
  dir.WriteFile("S/one_line.inf", long_line + std::string(kNic).substr(11));
  long_line.clear();
  long_line.shrink_to_fit();
  std::string tiny;
  for (int k = 0; k < 1000000; ++k) tiny += k % 2 ? "[\n" : "=\r";
  dir.WriteFile("S/tiny_lines.inf", tiny);
  dir.WriteFile("S/empty.inf", "");
  dir.WriteFile("S/unbalanced.inf", "[Version\r\nDriverVer=%a%b%%%\r\n[Manufacturer]\r\n=\r\n[");

  const auto run = RunCli({"full-index", "S"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string hwids = ReadFileBytes(dir.Join("HwidsList.txt"));
  EXPECT_NE(hwids.find("PCI\\VEN_1&DEV_2=NIC"), std::string::npos);
  EXPECT_NE(hwids.find("Drivers\\Files\\one_line.inf"), std::string::npos);
  ExpectCopiesMatch(dir);

  const auto listed = RunCli({"inf-list", "S"}, dir.path());
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::string inventory = ReadFileBytes(dir.Join("2.InfList.txt"));
  for (const char* name : {"garbage.inf", "utf16_garbage.inf", "one_line.inf", "tiny_lines.inf"}) {
    EXPECT_NE(inventory.find(std::string("S\\") + name + "*"), std::string::npos) << name;
  }
  EXPECT_EQ(inventory.find("empty.inf"), std::string::npos);  // empty files get no line
}

TEST(BadFolders, DeepTreesAndLinkLoopsAreWalkedOnce) {
  TempDir dir;
  std::string deep = "S";
  for (int level = 0; level < 40; ++level) deep += "/folder_of_level_" + std::to_string(level);
  dir.WriteFile(deep + "/deep.inf", kNic);
  dir.MakeDir("S/loop");
  ASSERT_EQ(symlink("..", dir.Join("S/loop/up").c_str()), 0);
  ASSERT_EQ(symlink(dir.path().c_str(), dir.Join("S/loop/top").c_str()), 0);

  const auto run = RunCli({"inf-list", "S"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string inventory = ReadFileBytes(dir.Join("2.InfList.txt"));
  EXPECT_GT(deep.size(), 260u);
  std::string windows_path = deep + "/deep.inf";
  for (char& c : windows_path) c = c == '/' ? '\\' : c;
  EXPECT_NE(inventory.find(windows_path + "*"), std::string::npos);
  // Once only: the loops lead back into folders already on the walk path.
  EXPECT_EQ(inventory.find("deep.inf"), inventory.rfind("deep.inf"));
}

TEST(BadNames, EveryKindOfNameIsIndexedAndQuotedInScripts) {
  TempDir dir;
  const std::vector<std::string> names = {"a & del x", "50%", "(x)", "\xE7\xBD\x91\xE5\x8D\xA1 v2",
                                          "bad\xFF\xFEname"};
  for (const std::string& name : names) dir.WriteFile("S/" + name + "/n.inf", kNic);
  dir.MakeDir("D");

  const auto listed = RunCli({"inf-list", "S"}, dir.path());
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::string inventory = ReadFileBytes(dir.Join("2.InfList.txt"));
  EXPECT_NE(inventory.find("S\\a & del x\\n.inf*"), std::string::npos);
  EXPECT_NE(inventory.find("S\\50%\\n.inf*"), std::string::npos);
  EXPECT_NE(inventory.find("S\\(x)\\n.inf*"), std::string::npos);
  EXPECT_NE(inventory.find("S\\\xCD\xF8\xBF\xA8 v2\\n.inf*"), std::string::npos);  // in code page 936
  // A name that is no UTF-8 cannot be written in the code page either; it still gets its line.
  EXPECT_NE(inventory.find("S\\bad??name\\n.inf*"), std::string::npos) << inventory;

  const auto copied = RunCli({"full-copy", "S", "D", "--target", "7-x64"}, dir.path());
  ASSERT_EQ(copied.status, 0) << copied.err;
  const std::string copy = ReadFileBytes(dir.Join("1.CopyFiles.bat"));
  EXPECT_NE(copy.find("robocopy \"S\\a & del x\\\\\" D\\"), std::string::npos) << copy;
  EXPECT_NE(copy.find("robocopy S\\50%%\\ D\\"), std::string::npos) << copy;
  EXPECT_NE(copy.find("robocopy \"S\\(x)\\\\\" D\\"), std::string::npos) << copy;
  const std::string zip = ReadFileBytes(dir.Join("2.ZipFiles.bat"));
  EXPECT_NE(zip.find(" \"S\\a & del x\\*.*\" -r"), std::string::npos) << zip;
  EXPECT_NE(zip.find(" S\\50%%\\*.* -r"), std::string::npos) << zip;
  EXPECT_NE(zip.find(" \"S\\(x)\\*.*\" -r"), std::string::npos) << zip;
}

TEST(BadNames, TheCaptureGetsEachFolderAsOneArgument) {
  TempDir dir;
  dir.MakeDir("bin");
  // A stand-in for wimlib-imagex that records its arguments, one per line.
  dir.WriteFile("bin/wimlib-imagex", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
  ASSERT_EQ(chmod(dir.Join("bin/wimlib-imagex").c_str(), 0755), 0);
  CliLimits limits;
  limits.path_prefix = dir.Join("bin");
  const auto run = RunCli({"create-wim", "E:\\a & del x", "--caption", "50% (x)"}, dir.path(), limits);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string args_file = dir.Join("bin/wimlib-imagex.args");
  for (int wait = 0; wait < 100 && !fs::exists(args_file); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(ReadFileBytes(args_file),
            "capture\nE:/a & del x\nE:/a & del x.wim\n50% (x) Drivers Pack by Ostrel\n"
            "--compress=maximum\n");
}

TEST(BadLists, FengLinesThatAreNoNumbersStopTheCopyAndKeepTheLastGeng) {
  struct Case {
    std::string line;
    std::string message;
  } cases[] = {
      {"abc", "mini-copy: 'ab' is not a valid integer value"},
      {"5120@12@3", "'12@' is not a valid integer value"},
      {"5120@99999@", "List index out of bounds (99999)"},
      {"5120@-1@", "List index out of bounds (-1)"},
      {"5120@@", "'' is not a valid integer value"},
  };
  TempDir dir;
  dir.WriteFile("S/a.inf", kNic);
  ASSERT_EQ(RunCli({"full-index", "S"}, dir.path()).status, 0);
  dir.WriteFile("Feng.txt", "5120@0@\r\n");
  ASSERT_EQ(RunCli({"mini-copy"}, dir.path()).status, 0);
  const std::string geng = ReadFileBytes(dir.Join("Geng.txt"));
  for (const Case& c : cases) {
    dir.WriteFile("Feng.txt", "5120@0@\r\n" + c.line + "\r\n");
    const auto run = RunCli({"mini-copy"}, dir.path());
    EXPECT_EQ(run.status, 1) << c.line;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileBytes(dir.Join("Geng.txt")), geng) << c.line;
  }
}

TEST(BadLists, DuplicatesNamedOutsideTheWorkingFolderAreNotDeleted) {
  TempDir outside, dir;
  outside.WriteFile("victim.txt", "keep me");
  dir.WriteFile("in/a.txt", "first");
  dir.WriteFile("in/b.txt", "duplicate");
  std::string rooted = outside.Join("victim.txt");
  for (char& c : rooted) c = c == '/' ? '\\' : c;
  const std::string climbing = "in\\..\\..\\" + fs::path(outside.path()).filename().string() + "\\victim.txt";
  dir.WriteFile("2.WIMListSorted.txt", "A=in\\a.txt\r\nA=in\\b.txt\r\nA=" + rooted + "\r\nA=" + climbing +
                                           "\r\nA=E:\\..\\..\\victim.txt\r\n");
  const auto run = RunCli({"dedupe"}, dir.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(dir.Join("in/a.txt")));
  EXPECT_FALSE(fs::exists(dir.Join("in/b.txt")));
  EXPECT_EQ(ReadFileBytes(outside.Join("victim.txt")), "keep me");
  EXPECT_NE(run.out.find("outside the working folder: " + rooted), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("outside the working folder: " + climbing), std::string::npos) << run.out;
}

// The previous catalogues of a store, then a second run that cannot write.
class FailingWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.WriteFile("S/a.inf", kNic);
    ASSERT_EQ(RunCli({"full-index", "S"}, dir_.path()).status, 0);
    ASSERT_EQ(RunCli({"inf-list", "S"}, dir_.path()).status, 0);
    // More drivers: every file the next run saves would change and outgrow the limit below.
    for (int k = 0; k < 30; ++k) {
      dir_.WriteFile("S/b" + std::to_string(k) + ".inf",
                     std::string(kNic) + "; package " + std::to_string(k) + "\r\n");
    }
    before_ = Snapshot(dir_.path());
  }

  TempDir dir_;
  std::map<std::string, std::string> before_;
};

TEST_F(FailingWrites, AFullDiskLeavesThePreviousOutputIntact) {
  CliLimits full_disk;
  // Above what the run prints (its captured output is limited too), below what it saves.
  full_disk.file_size = 1000;
  for (const std::string command : {"full-index", "inf-list"}) {
    const auto run = RunCli({command, "S"}, dir_.path(), full_disk);
    EXPECT_EQ(run.status, 1) << command << run.out;
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
    EXPECT_UNCHANGED(before_, dir_.path(), command);
  }
}

TEST_F(FailingWrites, AnOutputFolderWithoutWritePermissionLeavesThePreviousOutputIntact) {
  // The unprivileged user may not reach the build tree; it runs a copy of the program.
  TempDir tool;
  const std::string program = tool.Join("torvane-cli");
  fs::copy_file(TORVANE_CLI, program);
  ASSERT_EQ(chmod(tool.path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(dir_.path().c_str(), 0555), 0);
  CliLimits unprivileged;
  unprivileged.unprivileged = true;
  unprivileged.program = program;
  for (const std::string command : {"full-index", "inf-list"}) {
    const auto run = RunCli({command, "S"}, dir_.path(), unprivileged);
    EXPECT_EQ(run.status, 1) << command << run.out;
    EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << run.err;
    EXPECT_UNCHANGED(before_, dir_.path(), command);
  }
  chmod(dir_.path().c_str(), 0700);
}

}  // namespace
}  // namespace torvane
