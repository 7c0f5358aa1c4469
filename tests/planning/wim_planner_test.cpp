// Tests of the WIM copy planner on small stores and inventories written by the test.
#include "planning/wim_planner.h"

#include <gtest/gtest.h>

#include "foundation/file_names.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

std::string Driver(const std::string& id, const std::string& date) {
  return "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=" + date +
         ",1.0\r\n[Manufacturer]\r\n%M%=M,NTamd64\r\n[M.NTamd64]\r\n%D%=I," + id +
         "\r\n[Strings]\r\nD=x\r\n";
}

TStringList Lines(std::initializer_list<std::u16string> lines) {
  TStringList list;
  for (const auto& l : lines) list.Add(l);
  return list;
}

TStringList Load(const testing::TempDir& dir, const char* name) {
  TStringList list;
  list.LoadFromFile(FromNativeName(dir.Join(name)));
  return list;
}

const std::u16string kDigestA(32, u'A'), kDigestB(32, u'B'), kDigestC(32, u'C');

struct PlanRun {
  TStringList copy, hwids, index;
  PlannerSummary summary;
};

PlanRun Plan(const TStringList& inf_inventory, const TStringList& drv_inventory, const TStringList& cuts) {
  PlanRun run;
  TStringList errors;
  run.summary = PlanWimCopy({inf_inventory, drv_inventory, cuts}, {run.copy, run.hwids, run.index},
                            dvWin7x64, u"E:\\Drv7x64", TStringList(), errors);
  return run;
}

TEST(WimPlanner, CutPackagesAreCopiedButNeverSelected) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("P/a/a.inf", Driver("PCI\\VEN_1", "07/26/2012"));
  dir.WriteFile("P/b/b.inf", Driver("PCI\\VEN_1", "05/06/2010"));
  dir.WriteFile("P/c/c.inf", Driver("PCI\\VEN_2", "05/06/2010"));
  const TStringList drv = Lines({kDigestA + u"=P\\a\\a.inf*Drivers\\Files\\Net\\Other\\[1.0]0",
                                 kDigestB + u"=P\\b\\b.inf*Drivers\\Files\\Net\\Other\\[1.0]1",
                                 kDigestC + u"=P\\c\\c.inf*Drivers\\Files\\Net\\Other\\[1.0]2"});
  // The first twin of A decides (its later twin would not be cut); B's twin differs in case.
  const TStringList inf = Lines({kDigestA + u"=E:\\tree\\Beta\\a.inf*x0", kDigestA + u"=E:\\tree\\ok\\a.inf*x1",
                                 u"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb=E:\\tree\\BETA\\b.inf*x2"});
  const PlanRun run = Plan(inf, drv, Lines({u"", u"Beta"}));
  EXPECT_EQ(run.copy.Count(), 3);
  EXPECT_EQ(run.copy.Strings(0), u"robocopy P\\a\\ E:\\Drv7x64_ALL\\Drivers\\Files\\Net\\Other\\[1.0]0 /e");
  EXPECT_EQ(run.hwids.Count(), 2 * 9);  // b and c, each dump block and one ID
  EXPECT_EQ(run.hwids.Strings(0), u"P\\b\\b.inf");
  // The last catalogue line goes first: VEN_2 sorts after VEN_1.
  EXPECT_EQ(Load(dir, "7.IndexList.txt").ToVector(),
            (Items{u"1018=PCI\\VEN_1=3778@0@0", u"1018=PCI\\VEN_2=3778@9@0"}));
  EXPECT_EQ(Load(dir, "8.WIMFile.txt").ToVector(), (Items{u"P\\c\\c.inf", u"P\\b\\b.inf"}));
  EXPECT_EQ(Load(dir, "9.WimCopy.bat").ToVector(),
            (Items{u"robocopy P\\c\\ E:\\Drv7x64_WIM\\Drivers\\Files\\Net\\Other\\[1.0]2 /e",
                   u"robocopy P\\b\\ E:\\Drv7x64_WIM\\Drivers\\Files\\Net\\Other\\[1.0]1 /e"}));
  EXPECT_TRUE(run.index.Sorted());
  EXPECT_EQ(run.summary.wim_lines, 2);
}

TEST(WimPlanner, TheFirstInventoryLineHoldingASelectedPathWritesItsCommand) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.WriteFile("p/a.inf", Driver("PCI\\VEN_1", "07/26/2012"));
  // An x86-only driver: listed and copied, but it serves no Windows 7 x64 and is never chosen.
  dir.WriteFile("p/a.inf.old/b.inf",
                "[Version]\r\nDriverVer=07/26/2012\r\n[Manufacturer]\r\n%M%=M,NTx86\r\n"
                "[M.NTx86]\r\n%D%=I,PCI\\OLD\r\n[Strings]\r\nD=x\r\n");
  const TStringList drv = Lines({kDigestB + u"=p\\a.inf.old\\b.inf*Old0", kDigestA + u"=p\\a.inf*New1"});
  Plan(TStringList(), drv, TStringList());
  EXPECT_EQ(Load(dir, "8.WIMFile.txt").ToVector(), Items{u"p\\a.inf"});
  EXPECT_EQ(Load(dir, "9.WimCopy.bat").ToVector(),
            Items{u"robocopy p\\a.inf.old\\ E:\\Drv7x64_WIM\\Old0 /e"});
}

TEST(WimPlanner, AnEmptyInventoryWritesEveryFileEmpty) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  const PlanRun run = Plan(TStringList(), TStringList(), TStringList());
  for (const char* name : {"6.IndexTemp.txt", "7.IndexList.txt", "8.WIMFile.txt", "9.WimCopy.bat"}) {
    EXPECT_EQ(testing::ReadFileBytes(dir.Join(name)), "") << name;
  }
  EXPECT_EQ(run.copy.Count(), 0);
}

TEST(WimPlanner, ALongGroupedLineGetsAFiveDigitPrefixAndSortsEarly) {
  TStringList index;
  std::u16string long_id(9000, u'X');
  index.Add(long_id + u"=3778@0@0");
  index.Add(u"PCI\\SHORT=3778@9@0");
  index.SetSorted(true);
  const TStringList catalogue = BuildSelectionCatalogue(index);
  EXPECT_EQ(catalogue.Strings(0).substr(0, 6), u"10009=");
  EXPECT_EQ(catalogue.Strings(1), u"1018=PCI\\SHORT=3778@9@0");
}

}  // namespace
}  // namespace torvane
