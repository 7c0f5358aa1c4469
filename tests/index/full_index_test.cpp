// Tests of the full index on small stores written by the test.
#include "index/full_index.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "foundation/file_names.h"
#include "foundation/text.h"
#include "support/error_message.h"
#include "support/temp_dir.h"
#include "support/working_dir.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

const ModelMatchTexts kMatch{u"64.6.1", u"64.6.0", u".NTAMD64="};

// An ANSI INF whose manufacturer line names the decorations, each section holding the IDs.
std::string Inf(const std::string& date, const std::string& decorations,
                const std::vector<std::pair<std::string, std::vector<std::string>>>& sections) {
  std::string s = "[Version]\r\nClass=Net\r\nProvider=Contoso\r\nDriverVer=" + date +
                  ",1.0\r\n[Manufacturer]\r\n%M%=Models" + decorations + "\r\n";
  for (const auto& [name, ids] : sections) {
    s += "[Models" + name + "]\r\n";
    for (const auto& id : ids) s += "%D%=Inst," + id + "\r\n";
  }
  return s + "[Strings]\r\nM=Contoso\r\nD=\"Device\"\r\n";
}

struct Index {
  TStringList hwids, temp, errors, grouped;
};

Index Build(const testing::TempDir& dir) {
  Index index;
  testing::ScopedWorkingDir in(dir.path());
  BuildFullIndex(u"S", index.hwids, index.temp, TStringList(), index.errors, index.grouped, kMatch);
  return index;
}

TEST(FullIndex, EveryIndexLinePointsAtItsRecordAndItsIdLine) {
  testing::TempDir dir;
  dir.WriteFile("S/a/a.inf", Inf("05/06/2010", ",NTamd64", {{".NTamd64", {"PCI\\VEN_1", "pci\\ven_2"}}}));
  dir.WriteFile("S/b/b.inf", Inf("07/26/2012", ",NTamd64.6.1", {{".NTamd64.6.1", {"PCI\\VEN_1", "USB\\VID_3", "USB\\VID_4"}}}));
  dir.WriteFile("S/c.inf", Inf("12/31/2004", ",NTamd64.6.0", {{".NTamd64.6.0", {"PCI\\VEN_1"}}}));
  const Index index = Build(dir);
  ASSERT_EQ(index.errors.Count(), 0);
  // Walk order: folder a, folder b, then c.inf ("A" < "B" < "C.INF").
  EXPECT_EQ(index.temp.ToVector(),
            (Items{u"PCI\\VEN_1=3778@0@8", u"PCI\\VEN_2=3778@0@9", u"PCI\\VEN_1=4590@10@8",
                   u"USB\\VID_3=4590@10@9", u"USB\\VID_4=4590@10@10", u"PCI\\VEN_1=1826@21@8"}));
  for (int k = 0; k < index.temp.Count(); ++k) {
    const std::u16string value = index.temp.ValueFromIndex(k);
    const size_t at1 = value.find(u'@'), at2 = value.rfind(u'@');
    const int base = StrToInt(value.substr(at1 + 1, at2 - at1 - 1));
    const int offset = StrToInt(value.substr(at2 + 1));
    EXPECT_EQ(index.hwids.Strings(base).substr(0, 2), u"S\\");
    EXPECT_EQ(index.hwids.Names(base + offset), index.temp.Names(k));
  }
  EXPECT_EQ(index.grouped.ToVector(),
            (Items{u"PCI\\VEN_1=4590@10@8,3778@0@8,1826@21@8", u"PCI\\VEN_2=3778@0@9",
                   u"USB\\VID_3=4590@10@9", u"USB\\VID_4=4590@10@10"}));
}

TEST(FullIndex, TheMatchTextsChooseOneSectionAndTheLastMatchWins) {
  const struct {
    std::string decorations;
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    Items indexed;  // the IDs that reach the index
  } cases[] = {
      {",NTamd64,NTamd64.6.1", {{".NTamd64", {"PCI\\A"}}, {".NTamd64.6.1", {"PCI\\B"}}}, {u"PCI\\B"}},
      {",NTamd64.6.0,NTamd64", {{".NTamd64.6.0", {"PCI\\A"}}, {".NTamd64", {"PCI\\B"}}}, {u"PCI\\A"}},
      {",NTamd64", {{".NTamd64", {"PCI\\A"}}}, {u"PCI\\A"}},
      {",NTx86", {{".NTx86", {"PCI\\A"}}}, {}},
      {",NTamd64.6.2,NTamd64.6.3", {{".NTamd64.6.2", {"PCI\\A"}}, {".NTamd64.6.3", {"PCI\\B"}}}, {}},
      {",NTia64.6.1,NTamd64", {{".NTia64.6.1", {"PCI\\A"}}, {".NTamd64", {"PCI\\B"}}}, {u"PCI\\A"}},
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    dir.WriteFile("S/x.inf", Inf("05/06/2010", c.decorations, c.sections));
    const Index index = Build(dir);
    Items ids;
    for (int k = 0; k < index.temp.Count(); ++k) ids.push_back(index.temp.Names(k));
    EXPECT_EQ(ids, c.indexed) << c.decorations;
    EXPECT_EQ(index.hwids.Count(), c.indexed.empty() ? 0 : 8 + static_cast<int>(c.indexed.size()));
  }
  // Two manufacturers that both have an NTamd64.6.1 section: the later entry only.
  testing::TempDir dir;
  dir.WriteFile("S/x.inf",
                "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%A%=A,NTamd64.6.1\r\n"
                "%B%=B,NTamd64.6.1\r\n[A.NTamd64.6.1]\r\n%D%=I,PCI\\FIRST\r\n[B.NTamd64.6.1]\r\n"
                "%D%=I,PCI\\SECOND\r\n[Strings]\r\nD=x\r\n");
  const Index index = Build(dir);
  EXPECT_EQ(index.temp.ToVector(), Items{u"PCI\\SECOND=3778@0@8"});  // offset from the range start
}

TEST(FullIndex, IdsBeyondTheRecordAreSkippedOneByOne) {
  testing::TempDir dir;
  // The value "x%" pairs with the next "%" in the ID list and swallows the two lines after it,
  // so the section's range ends two lines past what is left.
  dir.WriteFile("S/a.inf",
                "[Version]\r\nDriverVer=05/06/2010\r\n[Manufacturer]\r\n%M%=M,NTamd64\r\n[M.NTamd64]\r\n"
                "%A%=I,PCI\\ONE\r\n%B%=I,PCI\\TWO\r\n%C%=I,PCI\\THREE\r\n[Strings]\r\nA=x%\r\nB=b\r\nC=c\r\n");
  dir.WriteFile("S/b.inf", Inf("05/06/2010", ",NTamd64", {{".NTamd64", {"PCI\\NEXT"}}}));
  const Index index = Build(dir);
  EXPECT_EQ(index.temp.ToVector(), (Items{u"PCI\\ONE=3778@0@8", u"PCI\\NEXT=3778@9@8"}));
  EXPECT_EQ(index.hwids.Strings(8), u"PCI\\ONE=xBC%");
  EXPECT_EQ(index.errors.Count(), 0);
}

TEST(FullIndex, GroupedValuesRunNewestFirstByNumber) {
  TStringList work;
  for (const char16_t* line : {u"X=3778@12@8", u"X=3778@9@8", u"X=3778@100@8", u"X=10000@5@8",
                               u"X=0012@1@8", u"X=00-1@2@8", u"Y=4000@0@8"}) {
    work.Add(line);
  }
  work.SetSorted(true);
  TStringList grouped;
  GroupIndexLines(work, grouped);
  EXPECT_EQ(grouped.ToVector(),
            (Items{u"Y=4000@0@8",
                   u"X=10000@5@8,3778@9@8,3778@12@8,3778@100@8,0012@1@8,00-1@2@8"}));
}

TEST(FullIndex, OnlyNeighboursWithEqualNamesMerge) {
  TStringList work;
  for (const char16_t* line : {u"AB=2@0@8", u"ab=1@0@8", u"AB=0@0@8"}) work.Add(line);
  work.SetSorted(true);  // AB=0, ab=1, AB=2: the case variant falls between
  TStringList grouped;
  GroupIndexLines(work, grouped);
  EXPECT_EQ(grouped.ToVector(), (Items{u"AB=2@0@8", u"ab=1@0@8", u"AB=0@0@8"}));
}

TEST(FullIndex, FailedScansAreListedAndTheBuildGoesOn) {
  testing::TempDir dir;
  dir.WriteFile("S/a.inf", "");
  dir.WriteFile("S/b.inf", Inf("05/06/2010", ",NTamd64", {{".NTamd64", {"PCI\\B"}}}));
  const Index index = Build(dir);
  EXPECT_EQ(index.errors.ToVector(), Items{u"S\\a.inf"});
  EXPECT_EQ(index.temp.ToVector(), Items{u"PCI\\B=3778@0@8"});
}

TEST(FullIndex, RunSavesFourFilesOrNone) {
  testing::TempDir dir;
  testing::ScopedWorkingDir in(dir.path());
  dir.MakeDir("Empty");
  RunFullIndex(u"Empty", TStringList(), kMatch);
  for (const char* name : {"HwidsList.txt", "IndexTemp.txt", "ErrorList.txt", "IndexList.txt"}) {
    EXPECT_EQ(testing::ReadFileBytes(dir.Join(name)), "") << name;
    unlink(dir.Join(name).c_str());
  }
  EXPECT_EQ(testing::MessageOf([] { RunFullIndex(u"Missing", TStringList(), kMatch); }),
            u"The specified path was not found");
  // A file that cannot be read stops the build before anything is saved.
  dir.WriteFile("S/a.inf", Inf("05/06/2010", ",NTamd64", {{".NTamd64", {"PCI\\B"}}}));
  ASSERT_EQ(symlink("nowhere", dir.Join("S/b.inf").c_str()), 0);
  EXPECT_NE(testing::MessageOf([] { RunFullIndex(u"S", TStringList(), kMatch); }).find(u"Cannot open file"),
            std::u16string::npos);
  EXPECT_NE(access(dir.Join("HwidsList.txt").c_str(), F_OK), 0);
}

}  // namespace
}  // namespace torvane
