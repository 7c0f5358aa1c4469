// Tests of the line list: text rules, name/value access, sorted mode and lookups.
#include "foundation/line_list.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "foundation/collation.h"
#include "foundation/error.h"
#include "foundation/text.h"
#include "support/error_message.h"

namespace torvane {
namespace {

using namespace std::string_literals;

TStringList ListOf(std::initializer_list<std::u16string> items) {
  TStringList list;
  for (const auto& s : items) list.Add(s);
  return list;
}

std::string Show(const std::vector<std::u16string>& items) {
  std::string out;
  for (const auto& s : items) out += "[" + ToUtf8(s) + "]";
  return out;
}

TEST(LineListText, SettingSplitsAtLineEndsAndStopsAtNul) {
  struct Case {
    std::u16string text;
    std::vector<std::u16string> items;
  } cases[] = {
      {u"a\r\n\r\nb", {u"a", u"", u"b"}},
      {u"a\n\rb", {u"a", u"", u"b"}},
      {u"a\r\n", {u"a"}},
      {u"a\rb\nc", {u"a", u"b", u"c"}},
      {u"ab\0cd"s, {u"ab"}},
      {u"\0ab"s, {}},
      {u"", {}},
      {u"\r\n", {u""}},
      {u"\n\n", {u"", u""}},
      {u"x\r\r\ny", {u"x", u"", u"y"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(list.ToVector(), c.items) << Show(c.items);
  }
}

TEST(LineListText, ReadingEndsEveryItemWithCrLf) {
  EXPECT_EQ(TStringList().Text(), u"");
  EXPECT_EQ(ListOf({u""}).Text(), u"\r\n");
  EXPECT_EQ(ListOf({u"a", u"b"}).Text(), u"a\r\nb\r\n");
}

TEST(LineListText, CommaTextQuotesWhatNeedsIt) {
  struct Case {
    std::vector<std::u16string> items;
    std::u16string comma;
  } cases[] = {
      {{u"A=1", u"B C=2"}, u"A=1,\"B C=2\""},
      {{u""}, u"\"\""},
      {{u"", u""}, u","},
      {{}, u""},
      {{u"say \"hi\""}, u"\"say \"\"hi\"\"\""},
      {{u"a,b", u"c\td", u"PCI\\VEN_1&DEV_2"}, u"\"a,b\",\"c\td\",PCI\\VEN_1&DEV_2"},
      {{u"NTAMD64=10=20"}, u"NTAMD64=10=20"},
  };
  for (const Case& c : cases) {
    TStringList list;
    for (const auto& s : c.items) list.Add(s);
    EXPECT_EQ(list.CommaText(), c.comma) << Show(c.items);
  }
}

TEST(LineListNames, NamesAndValuesSplitAtTheFirstEquals) {
  struct Case {
    std::u16string item, name, value;
  } cases[] = {
      {u"=x", u"", u"x"},
      {u"abc", u"", u""},
      {u"k=v=w", u"k", u"v=w"},
      {u" k = v ", u" k ", u" v "},
      {u"k=", u"k", u""},
  };
  for (const Case& c : cases) {
    const TStringList list = ListOf({c.item});
    EXPECT_EQ(list.Names(0), c.name) << ToUtf8(c.item);
    EXPECT_EQ(list.ValueFromIndex(0), c.value) << ToUtf8(c.item);
  }
}

TEST(LineListNames, ValuesFindsTheFirstNameIgnoringCase) {
  const TStringList list = ListOf({u"Provider=X", u"CLASS=Net", u"Class=Other", u"Empty=", u"=lead"});
  EXPECT_EQ(list.Values(u"Class"), u"Net");
  EXPECT_EQ(list.IndexOfName(u"class"), 1);
  EXPECT_EQ(list.Values(u"Missing"), u"");
  EXPECT_EQ(list.Values(u"Empty"), u"");
  EXPECT_EQ(list.IndexOfName(u"Empty"), 3);
  EXPECT_EQ(list.Values(u""), u"lead");
  EXPECT_EQ(list.IndexOfName(u"Provider=X"), -1);
}

TEST(LineListNames, ValuesCutsAtTheLengthOfTheNameAskedFor) {
  // The collator ignores the control character, so the name matches with one more character.
  const TStringList list = ListOf({u"Cl\x01" u"ass=Net"});
  EXPECT_EQ(list.IndexOfName(u"Class"), 0);
  EXPECT_EQ(list.Values(u"Class"), u"=Net");
}

TEST(LineListErrors, IndexesAndSortedWritesAreChecked) {
  TStringList list = ListOf({u"a", u"b"});
  EXPECT_EQ(testing::MessageOf([&] { list.Strings(-1); }), u"List index out of bounds (-1)");
  EXPECT_EQ(testing::MessageOf([&] { list.Strings(2); }), u"List index out of bounds (2)");
  EXPECT_EQ(testing::MessageOf([&] { list.Delete(5); }), u"List index out of bounds (5)");
  EXPECT_EQ(testing::MessageOf([&] { list.Put(2, u"x"); }), u"List index out of bounds (2)");
  list.SetSorted(true);
  EXPECT_EQ(testing::MessageOf([&] { list.Put(0, u"x"); }), u"Operation not allowed on sorted list");
}

TEST(LineListSorted, AddingAnEqualItemReturnsThePresentOne) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add(u"ABC"), 0);
  EXPECT_EQ(list.Add(u"abd"), 1);
  EXPECT_EQ(list.Add(u"aba"), 0);
  EXPECT_EQ(list.Add(u"abc"), 1);
  EXPECT_EQ(list.ToVector(), (std::vector<std::u16string>{u"aba", u"ABC", u"abd"}));
}

TEST(LineListSorted, SortingKeepsEqualItemsWhereThePartitionLeavesThem) {
  TStringList list = ListOf({u"B", u"a", u"b", u"A"});
  list.SetSorted(true);
  EXPECT_EQ(list.ToVector(), (std::vector<std::u16string>{u"A", u"a", u"B", u"b"}));
  list.SetSorted(false);
  list.Add(u"0");
  EXPECT_EQ(list.Strings(4), u"0");  // unsorted again: appended, order kept
}

TEST(LineListSorted, BisectionAnswersWithTheFirstEqualItemItMeets) {
  TStringList list = ListOf({u"x", u"X", u"x"});
  list.SetSorted(true);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf(u"X"), 1);
  EXPECT_EQ(list.Add(u"x"), 1);
  EXPECT_EQ(list.Count(), 3);
}

// The sort exactly as the system states it, with its recursion and one comparison per step.
void ReferenceQuickSort(std::vector<std::u16string>& a, int l, int r) {
  int i;
  do {
    i = l;
    int j = r, p = (l + r) / 2;
    do {
      while (CompareText(a[i], a[p]) < 0) ++i;
      while (CompareText(a[j], a[p]) > 0) --j;
      if (i <= j) {
        if (i != j) std::swap(a[i], a[j]);
        if (p == i) {
          p = j;
        } else if (p == j) {
          p = i;
        }
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) ReferenceQuickSort(a, l, j);
    l = i;
  } while (i < r);
}

TEST(LineListSorted, SortMatchesTheReferenceOnInputsFullOfEqualItems) {
  std::mt19937 random(7);
  const std::u16string alphabet = u"aAbB-'_&\\0";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::u16string> items(1 + random() % 60);
    for (auto& s : items) {
      const int length = random() % 4;
      for (int k = 0; k < length; ++k) s += alphabet[random() % alphabet.size()];
    }
    TStringList list;
    for (const auto& s : items) list.Add(s);
    list.SetSorted(true);
    if (items.size() >= 2) ReferenceQuickSort(items, 0, static_cast<int>(items.size()) - 1);
    ASSERT_EQ(list.ToVector(), items) << "round " << round;
  }
}

TEST(LineListLookup, IndexedLookupsGiveTheFirstMatchAcrossChanges) {
  TStringList list;
  std::vector<std::u16string> shadow;
  auto linear_index_of = [&](std::u16string_view s) {
    for (size_t i = 0; i < shadow.size(); ++i) {
      if (CompareText(shadow[i], s) == 0) return static_cast<int>(i);
    }
    return -1;
  };
  auto linear_index_of_name = [&](std::u16string_view n) {
    for (size_t i = 0; i < shadow.size(); ++i) {
      const size_t eq = shadow[i].find(u'=');
      if (eq != std::u16string::npos && CompareText(shadow[i].substr(0, eq), n) == 0) {
        return static_cast<int>(i);
      }
    }
    return -1;
  };
  std::mt19937 random(11);
  // ASCII names, and names that equal them only through what the collator ignores or folds.
  const std::u16string keys[] = {u"Key",        u"KEY", u"key2", u"Other", u"o-ther", u"x", u"",
                                 u"\uff2b\uff45\uff59", u"Key\x01", u"\u043a\u043b\u044e\u0447"};
  for (int step = 0; step < 3000; ++step) {
    const std::u16string key = keys[random() % std::size(keys)];
    const std::u16string item = random() % 3 ? key + u"=" + IntToStr(step) : key;
    switch (random() % 10) {
      case 0:
        if (!shadow.empty()) {
          const int i = random() % shadow.size();
          list.Delete(i);
          shadow.erase(shadow.begin() + i);
        }
        break;
      case 1:
        if (!shadow.empty()) {
          const int i = random() % shadow.size();
          list.Put(i, item);
          shadow[i] = item;
        }
        break;
      default:
        list.Add(item);
        shadow.push_back(item);
    }
    const std::u16string probe = keys[random() % std::size(keys)];
    ASSERT_EQ(list.IndexOfName(probe), linear_index_of_name(probe)) << "step " << step;
    ASSERT_EQ(list.IndexOf(probe), linear_index_of(probe)) << "step " << step;
  }
}

TEST(LineListCopy, AssignTakesSettingsAndDropsEqualItemsWhenSorted) {
  TStringList src = ListOf({u"b", u"B", u"a"});
  src.SetSorted(true);  // keeps both b and B
  TStringList dst;
  dst.Assign(src);
  EXPECT_TRUE(dst.Sorted());
  EXPECT_EQ(dst.Count(), 2);

  TStringList loaded;
  loaded.LoadFromBytes("\xFF\xFE" "a\0"s);
  TStringList copy(loaded);
  EXPECT_EQ(copy.Encoding(), TextEncoding::kUtf16LE);
  EXPECT_EQ(copy.ToVector(), std::vector<std::u16string>{u"a"});
}

TEST(LineListCopy, AddStringsAddsThroughAdd) {
  TStringList list = ListOf({u"x"});
  list.AddStrings(list);
  EXPECT_EQ(list.Count(), 2);
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Add(u"X");
  sorted.AddStrings(list);
  EXPECT_EQ(sorted.Count(), 1);
}

TEST(LineListLoad, MarksChooseTheEncodingAndAreDropped) {
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    std::vector<std::u16string> items;
  } cases[] = {
      {"\xEF\xBB\xBF" "a\r\n\xE4\xB8\xAD", TextEncoding::kUtf8, {u"a", u"\u4e2d"}},
      {"\xFF\xFE" "a\0\r\0\n\0-\x4e"s, TextEncoding::kUtf16LE, {u"a", u"\u4e2d"}},
      {"\xFE\xFF\0a\0\n\x4e\x2d"s, TextEncoding::kUtf16BE, {u"a", u"\u4e2d"}},
      {"\xD6\xD0\r\n", TextEncoding::kAnsi, {u"\u4e2d"}},
      {"\xFF", TextEncoding::kAnsi, {u"\uf8f5"}},  // half a mark is text
      {"\xEF\xBB", TextEncoding::kAnsi, {u"\u9518"}},
      {"", TextEncoding::kAnsi, {}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.LoadFromBytes(c.bytes);
    EXPECT_EQ(list.Encoding(), c.encoding) << c.bytes;
    EXPECT_EQ(list.ToVector(), c.items) << c.bytes;
  }
}

TEST(LineListLoad, StreamLoadsFromItsPosition) {
  std::istringstream stream("skip\r\nline one\r\nline two");
  stream.seekg(6);
  TStringList list;
  list.LoadFromStream(stream);
  EXPECT_EQ(list.ToVector(), (std::vector<std::u16string>{u"line one", u"line two"}));
}

TEST(LineListSave, BytesFollowTheRecordedEncoding) {
  EXPECT_EQ(TStringList().SavedBytes(), "");
  EXPECT_EQ(ListOf({u"\u4e2d", u"x"}).SavedBytes(), "\xD6\xD0\r\nx\r\n");

  TStringList utf16;
  utf16.LoadFromBytes("\xFF\xFE" "a\0"s);
  EXPECT_EQ(utf16.SavedBytes(), "\xFF\xFE" "a\0\r\0\n\0"s);
  utf16.Clear();
  EXPECT_EQ(utf16.SavedBytes(), "\xFF\xFE");  // Clear keeps the encoding

  TStringList utf8;
  utf8.LoadFromBytes("\xEF\xBB\xBFz");
  EXPECT_EQ(utf8.SavedBytes(), "\xEF\xBB\xBFz\r\n");
}

}  // namespace
}  // namespace torvane
