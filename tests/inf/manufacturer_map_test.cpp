// Tests of the manufacturer map: the shipped bytes, the loaded table's shape and the look-up.
#include "inf/manufacturer_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/code_page.h"
#include "foundation/collation.h"
#include "foundation/text.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

const TStringList& Map() {
  static const TStringList map = [] {
    TStringList list;
    LoadManufacturerMap(list);
    return list;
  }();
  return map;
}

std::vector<std::string_view> RawLines() {
  std::vector<std::string_view> lines;
  std::string_view rest = ManufacturerMapBytes();
  for (size_t end; (end = rest.find("\r\n")) != std::string_view::npos; rest.remove_prefix(end + 2))
    lines.push_back(rest.substr(0, end));
  return lines;
}

TEST(ManufacturerMapBytes, AreTheDataFileAsCommitted) {
  EXPECT_EQ(ManufacturerMapBytes(),
            testing::ReadFileBytes(TORVANE_SOURCE_DIR "/data/manufacturers.txt"));
}

TEST(ManufacturerMapBytes, AreCrLfLinesWithoutMarkOrNul) {
  const std::string_view bytes = ManufacturerMapBytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_NE(bytes.substr(0, 2), "\xFE\xFF");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find('\0'), std::string_view::npos);
  size_t crs = 0, lfs = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      ++crs;
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
    } else if (bytes[i] == '\n') {
      ++lfs;
    }
  }
  EXPECT_EQ(crs, 1042u);
  EXPECT_EQ(lfs, 1042u);
}

// Only the two Chinese rows and row 908 leave ASCII; row 908 holds one byte of another code page.
TEST(ManufacturerMapBytes, KeepRow908InItsSingleByteSpelling) {
  const std::vector<std::string_view> lines = RawLines();
  ASSERT_EQ(lines.size(), 1042u);
  std::vector<int> non_ascii;
  for (size_t i = 0; i < lines.size(); ++i) {
    for (unsigned char c : lines[i]) {
      if (c >= 0x80) {
        non_ascii.push_back(static_cast<int>(i) + 1);
        break;
      }
    }
  }
  EXPECT_EQ(non_ascii, (std::vector<int>{908, 1041, 1042}));
  EXPECT_EQ(lines[907], "TechnoTrend G\xF6rler GmbH=TechnoTrend");
  EXPECT_EQ(CodePage::Open(936)->Decode("\xF6\x72"), u"\u9c0e");
  EXPECT_EQ(CodePage::Open(1252)->Decode(lines[907]), u"TechnoTrend G\u00f6rler GmbH=TechnoTrend");
}

TEST(ManufacturerMapLoad, GivesOneUnsortedEntryPerLine) {
  TStringList list;
  list.Add(u"stale=entry");
  list.SetSorted(true);
  LoadManufacturerMap(list);
  EXPECT_FALSE(list.Sorted());
  ASSERT_EQ(list.Count(), 1042);
  EXPECT_EQ(list.ToVector(), Map().ToVector());
  LoadManufacturerMap(list);
  EXPECT_EQ(list.Count(), 1042);
}

TEST(ManufacturerMapLoad, TellingRowsStandAtTheirNumbers) {
  const struct {
    int row;
    std::u16string line;
  } rows[] = {
      {1, u"3COM Corp=3Com"},
      {2, u"3Com Corporation.=3Com"},
      {3, u"3Com=3Com"},
      {16, u"ACER Incorporated=ACER"},
      {17, u"ACER  Incorporated=ACER"},
      {21, u"Acer Incorporated =ACER"},
      {26, u"ACER=ACER"},
      {27, u"acer=ACER"},
      {363, u"ESI =ESI "},
      {448, u"Hewlett-Packard=HP"},
      {908, u"TechnoTrend G\u9c0eler GmbH=TechnoTrend"},
      {937, u"Touchkit=Touchkit"},
      {938, u"TouchKit=TouchKit"},
      {1041, u"英特尔=Intel"},
      {1042, u"英特尔公司=Intel"},
  };
  ASSERT_EQ(Map().Count(), 1042);
  for (const auto& r : rows) EXPECT_EQ(ToUtf8(Map()[r.row - 1]), ToUtf8(r.line)) << "row " << r.row;
}

TEST(ManufacturerMapLoad, RowsAreNameEqualsValue) {
  std::set<std::u16string> values;
  int identity = 0, space_before_equals = 0;
  for (int i = 0; i < Map().Count(); ++i) {
    const std::u16string& line = Map()[i];
    const std::u16string name = Map().Names(i), value = Map().ValueFromIndex(i);
    EXPECT_EQ(std::count(line.begin(), line.end(), u'='), 1) << "row " << i + 1;
    EXPECT_FALSE(name.empty()) << "row " << i + 1;
    EXPECT_FALSE(value.empty()) << "row " << i + 1;
    values.insert(value);
    identity += name == value;
    space_before_equals += !name.empty() && name.back() == u' ';
  }
  EXPECT_EQ(values.size(), 581u);
  EXPECT_EQ(identity, 306);
  EXPECT_EQ(space_before_equals, 14);
  EXPECT_TRUE(values.count(u"ESI ") && values.count(u"INNOMTEK "));
  EXPECT_NE(Map().IndexOf(u"INNOMTEK =INNOMTEK "), -1);
}

// Names are compared ignoring case, so a name written twice in two cases is one name; the list's
// comparison and plain ASCII case folding must agree on which names those are.
TEST(ManufacturerMapLoad, CaseRepeatsAgreeOnTheirValueSaveTouchKit) {
  std::map<std::string, std::vector<int>> by_key;
  std::map<std::u16string, std::vector<int>> by_folded;
  for (int i = 0; i < Map().Count(); ++i) {
    by_key[SortKey(Map().Names(i))].push_back(i);
    by_folded[LowerCase(Map().Names(i))].push_back(i);
  }
  std::set<std::vector<int>> repeats_by_key, repeats_by_folded;
  for (const auto& [key, rows] : by_key) {
    if (rows.size() > 1) repeats_by_key.insert(rows);
  }
  for (const auto& [folded, rows] : by_folded) {
    if (rows.size() > 1) repeats_by_folded.insert(rows);
  }
  EXPECT_EQ(repeats_by_key.size(), 57u);
  EXPECT_EQ(repeats_by_key, repeats_by_folded);

  std::vector<std::u16string> differing;
  for (const std::vector<int>& rows : repeats_by_key) {
    for (int row : rows) {
      if (Map().ValueFromIndex(row) != Map().ValueFromIndex(rows[0])) {
        for (int r : rows) differing.push_back(Map()[r]);
        break;
      }
    }
  }
  EXPECT_EQ(differing, (std::vector<std::u16string>{u"Touchkit=Touchkit", u"TouchKit=TouchKit"}));
}

// Every row is reached by its own name and answers with its own value, save the one that an
// earlier case variant with another value shadows.
TEST(ManufacturerMapLookUp, EveryNameFindsItsOwnValueSaveTheShadowedTouchKit) {
  std::vector<int> shadowed;
  for (int i = 0; i < Map().Count(); ++i) {
    if (LookUpProvider(Map(), Map().Names(i)) != Map().ValueFromIndex(i)) shadowed.push_back(i + 1);
  }
  EXPECT_EQ(shadowed, std::vector<int>{938});
}

TEST(ManufacturerMapLoad, RunsAlphabeticallyByInitialWithTheChineseRowsLast) {
  for (int i = 1; i < 1040; ++i) {
    EXPECT_LE(LowerCase(Map().Names(i - 1).substr(0, 1)), LowerCase(Map().Names(i).substr(0, 1)))
        << "rows " << i << " and " << i + 1;
  }
  for (int i = 0; i < 1040; ++i) EXPECT_LT(Map()[i][0], 0x80) << "row " << i + 1;
}

TEST(ManufacturerMapLookUp, Examples) {
  const struct {
    std::u16string provider;
    std::u16string value;
  } cases[] = {
      {u"INTEL CORPORATION", u"Intel"},
      {u"Intel Corporation", u"Intel"},
      {u"REALTEK", u"Realtek"},
      {u"Realtek", u"Realtek"},
      {u"TouchKit", u"Touchkit"},
      {u"TOUCHKIT", u"Touchkit"},
      {u"ESI", u""},
      {u"ESI ", u"ESI "},
      {u"esi ", u"ESI "},
      {u"Intel Corporation ", u""},
      {u" Intel Corporation", u""},
      {u"Acer Incorporated ", u"ACER"},
      {u"ACER INCORPORATED", u"ACER"},
      {u"Acer  Incorporated", u"ACER"},
      {u"3Com Corporation", u""},
      {u"hewlett-packard", u"HP"},
      {u"HewlettPackard", u""},
      {u"", u""},
      {u"=", u""},
      {u"英特尔公司", u"Intel"},
      {u"英特尔", u"Intel"},
      {u"No Such Vendor", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUtf8(LookUpProvider(Map(), c.provider)), ToUtf8(c.value))
        << "provider [" << ToUtf8(c.provider) << "]";
  }
}

// The row keeps the bytes of an INF written in a Western code page; only a provider read from
// such bytes the same way finds it.
TEST(ManufacturerMapLookUp, Row908MatchesOnlyTheSameBytesDecodedAlike) {
  const std::string provider = "TechnoTrend G\xF6rler GmbH";
  EXPECT_EQ(LookUpProvider(Map(), CodePage::Open(936)->Decode(provider)), u"TechnoTrend");
  EXPECT_EQ(LookUpProvider(Map(), CodePage::Open(1252)->Decode(provider)), u"");
}

}  // namespace
}  // namespace torvane
