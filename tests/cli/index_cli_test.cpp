// End-to-end runs of the index subcommands of torvane-cli.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using testing::ReadFileBytes;
using testing::RunCli;

const char* const kTextFiles[] = {"HwidsList.txt", "IndexTemp.txt", "ErrorList.txt",
                                  "IndexList.txt", "UsrIDList.txt", "HwidsTemp.txt"};
const char* const kCopies[] = {"HwidsList.dis", "IndexList.dis", "IndexTemp.dis", "UsrIDList.dis",
                               "HwidsTemp.dis"};

// One job and four give the same bytes: the scans run in parallel, their results are used in
// walk order.
TEST(CliFullIndex, TheRealCorpusGivesTheSameFilesWithOneJobOrFour) {
  const std::string corpus = std::string(TORVANE_SHARED_DIR) + "/corpus";
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus beside the project";
  testing::TempDir first, second;
  for (const testing::TempDir* dir : {&first, &second}) {
    const auto r = RunCli({"--jobs", dir == &first ? "1" : "4", "full-index", corpus}, dir->path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("wrote HwidsList.txt ("), std::string::npos) << r.out;
  }
  for (const char* name : kTextFiles) {
    EXPECT_EQ(ReadFileBytes(first.Join(name)), ReadFileBytes(second.Join(name))) << name;
  }
  EXPECT_GT(ReadFileBytes(first.Join("IndexList.txt")).size(), 1000u);
  for (const char* name : kCopies) {
    std::string a = ReadFileBytes(first.Join(name)), b = ReadFileBytes(second.Join(name));
    ASSERT_EQ(a.size(), b.size()) << name;
    a[24] = b[24];
    a[25] = b[25];
    EXPECT_EQ(a, b) << name;
  }
}

TEST(CliFullIndex, UnscrambleAndLookUpWhatWasWritten) {
  testing::TempDir dir;
  dir.WriteFile("S/nic.inf",
                "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=07/26/2012,2.0\r\n"
                "[Manufacturer]\r\n%M%=M,NTamd64\r\n[M.NTamd64]\r\n%D%=I,PCI\\VEN_1&DEV_2\r\n"
                "[Strings]\r\nD=\"NIC\"\r\n");
  ASSERT_EQ(RunCli({"full-index", "S"}, dir.path()).status, 0);
  const auto restored = RunCli({"unscramble", "IndexList.dis"}, dir.path());
  EXPECT_EQ(restored.out, ReadFileBytes(dir.Join("IndexList.txt")));
  EXPECT_EQ(RunCli({"unscramble", "HwidsList.dis", "-o", "back.txt"}, dir.path()).status, 0);
  EXPECT_EQ(ReadFileBytes(dir.Join("back.txt")), ReadFileBytes(dir.Join("HwidsList.txt")));

  const auto found = RunCli({"lookup", "PCI\\VEN_1&DEV_2", "PCI\\VEN_9"}, dir.path());
  EXPECT_EQ(found.status, 1);  // one ID has no driver
  EXPECT_NE(found.out.find("Drivers\\Files\\nic.inf  Other  Net  2.0  2012/7/26"), std::string::npos)
      << found.out;
  EXPECT_NE(found.out.find("PCI\\VEN_9: no driver"), std::string::npos);
}

TEST(CliJobs, InventoriesTestDumpsAndScriptsAgreeForAnyNumberOfJobs) {
  testing::TempDir one, four;
  for (const testing::TempDir* dir : {&one, &four}) {
    testing::CopySampleStore(*dir);
    const std::string jobs = dir == &one ? "1" : "4";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"inf-list", "Drivers\\Files"},
          {"multi-test", "Drivers\\Files", "--target", "7-x64"},
          {"full-copy", "Drivers\\Files", "OUT"},
          {"files-md5", "Drivers\\Files\\Net\\Realtek\\[7.34.1016.2010]"},
          {"drv-list", "Drivers\\Files\\Net\\Realtek", "--days", "1", "--target", "7-x64"}}) {
      std::vector<std::string> args = {"--jobs", jobs};
      args.insert(args.end(), command.begin(), command.end());
      ASSERT_EQ(RunCli(args, dir->path()).status, 0) << command[0];
    }
    // The planner over the whole inventory, nothing cut; drv-list's own list kept aside.
    std::filesystem::rename(dir->Join("3.DrvList.txt"), dir->Join("drv-list.txt"));
    std::filesystem::copy_file(dir->Join("2.InfList.txt"), dir->Join("3.DrvList.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    dir->WriteFile("0.CutList.txt", "");
    ASSERT_EQ(RunCli({"--jobs", jobs, "plan"}, dir->path()).status, 0);
  }
  for (const char* name : {"2.InfList.txt", "InfList.txt", "1.CopyFiles.bat", "2.ZipFiles.bat", "3.FilesList.txt",
                           "4.AllCopy.bat", "5.HwidsList.txt", "6.IndexTemp.txt", "7.IndexList.txt",
                           "8.WIMFile.txt", "9.WimCopy.bat", "drv-list.txt"}) {
    const std::string bytes = ReadFileBytes(one.Join(name));
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(bytes, ReadFileBytes(four.Join(name))) << name;
  }
}

TEST(CliTargets, OrdinalsAndShortNamesAreAccepted) {
  testing::TempDir dir;
  dir.MakeDir("Src");
  for (const char* target : {"0", "4", "xp-x86", "8-x64"}) {
    EXPECT_EQ(RunCli({"multi-test", "Src", "--target", target}, dir.path()).status, 0) << target;
  }
  const auto bad = RunCli({"multi-test", "Src", "--target", "vista"}, dir.path());
  EXPECT_NE(bad.status, 0);
  EXPECT_NE(bad.err.find("unknown target 'vista'"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace torvane
