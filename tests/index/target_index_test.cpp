// Tests of the per-target index lines.
#include "index/target_index.h"

#include <gtest/gtest.h>

#include "inf/inf_file.h"
#include "support/error_message.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

struct Record {
  Record(std::initializer_list<std::u16string> ranges, CDriverVersion targets) : inf(u"x.inf", "") {
    for (const auto& r : ranges) inf.FManufacturer.Add(r);
    for (int i = 0; i < 5; ++i) inf.FHwids.Add(u"ID" + std::u16string(1, u'0' + i) + u"=Desc");
    inf.FDateCount = u"3778";
    inf.FDriverVersion = targets;
  }
  TInfFile inf;
};

CDriverVersion Only(TDriverVersion v) {
  CDriverVersion set;
  set.Include(v);
  return set;
}

TStringList DumpOfLines(int n) {
  TStringList dump;
  for (int i = 0; i < n; ++i) dump.Add(u"line");
  return dump;
}

TEST(TargetIndex, RangesGiveOneLinePerIdWithTheDumpBase) {
  const struct {
    std::u16string range;
    Items lines;
  } cases[] = {
      {u"5=3", {}},
      {u"0=0", {u"ID0=3778@12@0"}},
      {u"3=4", {u"ID3=3778@12@3", u"ID4=3778@12@4"}},
  };
  const Record r({}, {});
  const TStringList dump = DumpOfLines(20);
  for (const auto& c : cases) {
    TStringList lines;
    AddRangeIndexLines(r.inf, c.range, dump, lines);
    EXPECT_EQ(lines.ToVector(), c.lines);
  }
}

TEST(TargetIndex, BadRangesRaise) {
  const Record r({}, {});
  const TStringList dump = DumpOfLines(8);
  TStringList lines;
  EXPECT_EQ(testing::MessageOf([&] { AddRangeIndexLines(r.inf, u"4=6", dump, lines); }),
            u"List index out of bounds (5)");
  EXPECT_EQ(lines.Count(), 1);  // ID4 went in before the bad index
  EXPECT_EQ(testing::MessageOf([&] { AddRangeIndexLines(r.inf, u"x=1", dump, lines); }),
            u"'x' is not a valid integer value");
  EXPECT_EQ(testing::MessageOf([&] { AddRangeIndexLines(r.inf, u"12", dump, lines); }),
            u"'' is not a valid integer value");
}

TEST(TargetIndex, AServedTargetIndexesEveryRangeAndIdsAlwaysFollow) {
  Record served({u"A.NTX86=0=2", u"A.NTAMD64=3=4"}, Only(dvWin8x86));
  TStringList dump = DumpOfLines(8);
  TStringList lines;
  AddTargetIndexLines(served.inf, dvWin8x86, dump, lines);
  EXPECT_EQ(lines.ToVector(), (Items{u"ID0=3778@0@0", u"ID1=3778@0@1", u"ID2=3778@0@2",
                                     u"ID3=3778@0@3", u"ID4=3778@0@4"}));
  EXPECT_EQ(dump.Count(), 13);
  EXPECT_EQ(dump.Strings(8 + 2), u"ID2=Desc");

  Record other({u"A.NTX86=0=2"}, Only(dvWin7x86));
  TStringList dump2 = DumpOfLines(8), lines2;
  AddTargetIndexLines(other.inf, dvWin8x86, dump2, lines2);
  EXPECT_EQ(lines2.Count(), 0);
  EXPECT_EQ(dump2.Count(), 13);
}

}  // namespace
}  // namespace torvane
