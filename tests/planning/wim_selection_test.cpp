// Tests of the greedy WIM selection: the documented examples with passes that run while lines
// remain, and the fast selection against the literal passes.
#include "planning/wim_selection.h"

#include <gtest/gtest.h>

#include <random>

#include "foundation/text.h"
#include "support/error_message.h"

namespace torvane {
namespace {

using Items = std::vector<std::u16string>;

TStringList Numbered(int n) {
  TStringList list;
  for (int i = 0; i < n; ++i) list.Add(u"line" + IntToStr(i));
  return list;
}

TStringList Catalogue(std::initializer_list<std::u16string> lines) {
  TStringList list;
  for (const auto& l : lines) list.Add(l);
  return list;
}

TEST(WimSelection, DocumentedExamples) {
  const TStringList hwids = Numbered(50);
  const struct {
    TStringList catalogue;
    Items selected;
  } cases[] = {
      // The last line gives base 0 and takes the other 5120@0@ line; the line left is taken too.
      {Catalogue({u"1018=PCI\\VEN_2=5120@0@4", u"1019=USB\\VID_3=4800@40@1",
                  u"1028=PCI\\VEN_1=5120@0@3,4800@40@7"}),
       {u"line0", u"line40"}},
      // One pass takes both lines; the selection then ends without an error.
      {Catalogue({u"1010=X=5120@0@3", u"1010=Y=5120@0@4"}), {u"line0"}},
      {Catalogue({}), {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectWimPackagesLiterally(c.catalogue, hwids), c.selected);
    EXPECT_EQ(SelectWimPackages(c.catalogue, hwids), c.selected);
  }
}

TEST(WimSelection, BadBasesRaiseTheSameErrors) {
  const TStringList hwids = Numbered(5);
  const struct {
    TStringList catalogue;
    std::u16string message;
  } cases[] = {
      {Catalogue({u"1010=X=5120@1@3", u"1010=Y=5120@9@4"}), u"List index out of bounds (9)"},
      {Catalogue({u"1010=X=5120@1@3", u"1008=Y=5120"}), u"'' is not a valid integer value"},
      {Catalogue({u"1010=X=5120@x@3"}), u"'x' is not a valid integer value"},
      {Catalogue({u"no equals sign"}), u"'' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(testing::MessageOf([&] { SelectWimPackagesLiterally(c.catalogue, hwids); }), c.message);
    EXPECT_EQ(testing::MessageOf([&] { SelectWimPackages(c.catalogue, hwids); }), c.message);
  }
}

// Catalogues where tokens hide inside longer entries: counts that end alike (5120, 15120), bases
// that share digits, IDs holding "@", and packages spread over many IDs.
TStringList RandomCatalogue(std::mt19937& random, int ids, int packages) {
  const std::u16string counts[] = {u"5120", u"15120", u"0120", u"00-1", u"512", u"4800"};
  std::vector<std::u16string> tokens;
  for (int p = 0; p < packages; ++p) {
    tokens.push_back(counts[random() % std::size(counts)] + u"@" + IntToStr(random() % 25) + u"@");
  }
  TStringList lines;
  for (int i = 0; i < ids; ++i) {
    std::u16string id = random() % 9 ? u"PCI\\VEN_" + IntToStr(random() % 100) : u"ID@" + IntToStr(i) + u"@";
    std::u16string line = id + u"=";
    const int entries = 1 + random() % 4;
    for (int e = 0; e < entries; ++e) {
      if (e > 0) line += u',';
      line += tokens[random() % tokens.size()] + IntToStr(random() % 30);
    }
    lines.Add(IntToStr(static_cast<int64_t>(line.size()) + 1000) + u"=" + line);
  }
  lines.SetSorted(true);
  return lines;
}

TEST(WimSelection, FastSelectionAgreesWithTheLiteralPasses) {
  std::mt19937 random(17);
  const TStringList hwids = Numbered(25);
  for (int round = 0; round < 400; ++round) {
    const TStringList catalogue = RandomCatalogue(random, 1 + random() % 60, 1 + random() % 30);
    ASSERT_EQ(SelectWimPackages(catalogue, hwids), SelectWimPackagesLiterally(catalogue, hwids))
        << "round " << round;
  }
}

}  // namespace
}  // namespace torvane
