// Tests of the package inventories.
#include "planning/inventories.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "foundation/date_time.h"
#include "foundation/file_facts.h"
#include "foundation/file_names.h"
#include "foundation/md5.h"
#include "support/error_message.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

std::string Driver(const std::string& decoration, const std::string& date = "07/26/2012") {
  return "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=" + date +
         ",7.2\r\n[Manufacturer]\r\n%M%=M," + decoration + "\r\n[M." + decoration +
         "]\r\n%D%=I,PCI\\VEN_1\r\n[Strings]\r\nD=x\r\n";
}

std::u16string Md5(const testing::TempDir& dir, const std::string& name) {
  return MD5FileHex(FromNativeName(dir.Join(name)));
}

TEST(Inventories, InfInventoryNumbersEveryNonEmptyInf) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("T/a/net.inf", Driver("NTamd64"));
  dir.WriteFile("T/b/empty.inf", "");
  dir.WriteFile("T/b/notes.inf", "; not a driver\r\n");
  dir.WriteFile("T/c/net.inf", Driver("NTamd64"));
  dir.WriteFile("T/c/readme.txt", "x");
  TStringList errors;
  const TStringList list = ListPackagesWithDigest(u"T", u"*.inf", TStringList(), errors);
  const std::u16string net = Md5(dir, "T/a/net.inf");
  EXPECT_EQ(list.ToVector(),
            (Items{net + u"=T\\a\\net.inf*Drivers\\Files\\Net\\Other\\[7.2]0",
                   Md5(dir, "T/b/notes.inf") + u"=T\\b\\notes.inf*Drivers\\Files\\Other\\Other\\[]1",
                   net + u"=T\\c\\net.inf*Drivers\\Files\\Net\\Other\\[7.2]2"}));
  // Any other mask, even one that differs only in case, lists plain digests.
  const TStringList plain = ListPackagesWithDigest(u"T", u"*.INF", TStringList(), errors);
  EXPECT_EQ(plain.Strings(0), net + u"=T\\a\\net.inf");
  EXPECT_EQ(plain.Count(), 3);
  EXPECT_EQ(testing::MessageOf([&] { ListPackagesWithDigest(u"None", u"*.inf", TStringList(), errors); }),
            u"The specified path was not found");
}

TEST(Inventories, FolderDigestsListFilesOnlyEmptyOnesIncluded) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("D/a.bin", "abc");
  dir.WriteFile("D/empty.bin", "");
  dir.WriteFile("D/sub/c.bin", "c");
  const TStringList list = ListFolderDigests(u"D");
  EXPECT_EQ(list.ToVector(), (Items{u"900150983CD24FB0D6963F7D28E17F72=D\\a.bin",
                                    u"D41D8CD98F00B204E9800998ECF8427E=D\\empty.bin"}));
}

// Package folders are made now; an old folder comes from the system through a link, which the
// listing enters like a folder. Days of 1 puts the cut-off between the two.
TEST(Inventories, RecentPackagesOfTheTargetOnly) {
  const std::string old_folder = "/usr/share";
  const TDateTime old_birth = FolderCreationTime(FromNativeName(old_folder));
  if (old_birth == 0 || Now() - old_birth < 2) GTEST_SKIP() << "no folder old enough here";
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("R/new/net.inf", Driver("NTamd64.6.2"));
  dir.WriteFile("R/new/sub/deeper.inf", Driver("NTamd64.6.2"));
  dir.WriteFile("R/win7/net.inf", Driver("NTamd64.6.1"));
  dir.WriteFile("R/notes/x.inf", "; nothing\r\n");
  std::filesystem::create_directory_symlink(old_folder, dir.Join("R/old"));
  TStringList errors;
  const TStringList list = ListRecentTargetPackages(u"R", 1, dvWin8x64, TStringList(), errors);
  EXPECT_EQ(list.ToVector(),
            Items{Md5(dir, "R/new/net.inf") + u"=R\\new\\net.inf*Drivers\\Files\\Net\\Other\\[7.2]0"});
  const int days_old = static_cast<int>(Now() - old_birth) + 1;
  EXPECT_EQ(ListRecentTargetPackages(u"R", 0, dvWin8x64, TStringList(), errors).Count(), 0);
  EXPECT_EQ(ListRecentTargetPackages(u"R", days_old, dvWin8x64, TStringList(), errors).Count(), 1);
}

}  // namespace
}  // namespace torvane
