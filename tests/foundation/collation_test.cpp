// Tests of the line list's comparison.
#include "foundation/collation.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "foundation/text.h"

namespace torvane {
namespace {

int Sign(int x) { return (x > 0) - (x < 0); }

// Each text sorts strictly before the next.
const std::vector<std::u16string> kAscending = {
    u"", u"'", u"-", u" ", u"!", u"\"", u"#", u"$", u"%", u"&", u"(", u")", u"*", u",", u".",
    u"/", u":", u";", u"?", u"@", u"[", u"\\", u"]", u"^", u"_", u"`", u"{", u"|", u"}", u"~",
    u"+", u"<", u"=", u">", u"0", u"1", u"9", u"a", u"B", u"c", u"z"};

TEST(Collation, AsciiStandsInWindowsWordSortOrder) {
  for (size_t i = 0; i + 1 < kAscending.size(); ++i) {
    EXPECT_LT(CompareText(kAscending[i], kAscending[i + 1]), 0)
        << ToUtf8(kAscending[i]) << " vs " << ToUtf8(kAscending[i + 1]);
  }
}

TEST(Collation, CaseIsIgnored) {
  EXPECT_EQ(CompareText(u"abc", u"ABC"), 0);
  EXPECT_EQ(CompareText(u"PCI\\VEN_8086&DEV_10D3", u"pci\\ven_8086&dev_10d3"), 0);
  EXPECT_EQ(CompareText(u"Class", u"CLASS"), 0);
}

TEST(Collation, HardwareIdsOrderByTheirParts) {
  const std::vector<std::u16string> ids = {u"PCI\\VEN_8086", u"PCI\\VEN_8086&DEV_1234",
                                           u"PCI\\VEN_8086&DEV_1234&SUBSYS_0001", u"PCI\\VEN_80860",
                                           u"USB\\VID_0001"};
  for (size_t i = 0; i + 1 < ids.size(); ++i) {
    EXPECT_LT(CompareText(ids[i], ids[i + 1]), 0) << ToUtf8(ids[i]);
  }
}

TEST(Collation, HyphensAndApostrophesOnlyBreakTies) {
  struct Case {
    std::u16string a, b;
    int expected;
  } cases[] = {
      {u"coop", u"co-op", -1},   // a text without them sorts first
      {u"co-op", u"CO-OP", 0},   // same marks at the same places
      {u"a'b", u"a-b", -1},      // apostrophe before hyphen at the same place
      {u"a-b", u"-ab", -1},      // more other characters before the mark sorts first
      {u"ab-", u"a-b", -1},
      {u"a-b", u"a-b-", -1},     // runs out of marks first
      {u"co-op", u"coop-", 1},
      {u"a-c", u"ab", 1},        // the collator decides before any tie-break: ac after ab
      {u"a-b", u"ac", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareText(c.a, c.b)), c.expected) << ToUtf8(c.a) << " vs " << ToUtf8(c.b);
    EXPECT_EQ(Sign(CompareText(c.b, c.a)), -c.expected) << ToUtf8(c.b) << " vs " << ToUtf8(c.a);
  }
}

TEST(Collation, SortKeysAgreeWithTheComparison) {
  std::vector<std::u16string> texts = kAscending;
  for (const char16_t* s : {u"co-op", u"coop", u"CO-OP", u"a'b", u"a-b", u"-ab", u"ab-", u"a-b-",
                            u"\u4e2d\u6587", u"\u00e9t\u00e9", u"ETE", u"\u00c9T\u00c9", u"A\x01",
                            u"x y", u"x\ty", u"Z9", u"z10"}) {
    texts.push_back(s);
  }
  for (const auto& a : texts) {
    for (const auto& b : texts) {
      EXPECT_EQ(Sign(SortKey(a).compare(SortKey(b))), Sign(CompareText(a, b)))
          << ToUtf8(a) << " vs " << ToUtf8(b);
    }
  }
}

// The line list keys printable ASCII texts by their upper-cased bytes; that is only right if the
// comparison finds two such texts equal exactly when they differ in letter case alone.
TEST(Collation, PrintableAsciiIsEqualExactlyWhenEqualIgnoringCase) {
  std::mt19937 random(23);
  auto upper = [](std::u16string s) {
    for (char16_t& c : s) c = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    return s;
  };
  for (int round = 0; round < 20000; ++round) {
    std::u16string a, b;
    const int length = 1 + random() % 5;
    for (int k = 0; k < length; ++k) a += static_cast<char16_t>(0x20 + random() % 95);
    // Mostly near-copies of a: case flips, and hyphens and apostrophes moved about.
    b = a;
    for (char16_t& c : b) {
      const int roll = random() % 10;
      if (roll == 0 && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
      if (roll == 1) c = u"-'Aa "[random() % 5];
    }
    if (random() % 4 == 0) b.insert(b.begin() + random() % (b.size() + 1), u"-'"[random() % 2]);
    ASSERT_EQ(CompareText(a, b) == 0, upper(a) == upper(b)) << ToUtf8(a) << " vs " << ToUtf8(b);
  }
}

}  // namespace
}  // namespace torvane
