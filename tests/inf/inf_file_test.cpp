// Tests of reading an INF file into lines: encodings, marks and line ends.
#include "inf/inf_file.h"

#include <gtest/gtest.h>

#include "foundation/error.h"
#include "foundation/file_names.h"
#include "foundation/text.h"
#include "support/temp_dir.h"

namespace torvane {
namespace {

using namespace std::string_literals;
using Items = std::vector<std::u16string>;

std::string Utf16LE(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

std::string Utf16BE(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c >> 8));
    out.push_back(static_cast<char>(c & 0xFF));
  }
  return out;
}

constexpr std::u16string_view kInf =
    u"[Version]\r\nClass=Net\r\nDriverVer=05/06/2010,1.0\r\n[Manufacturer]\r\n%M%=Models\r\n"
    u"[Models]\r\n%D%=I,PCI\\VEN_1\r\n[Strings]\r\nM=Contoso\r\nD=\"\u7f51\u5361\"\r\n";

TEST(InfFile, MarkedFilesAreDecodedWithoutTheirMark) {
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"UTF-16LE", "\xFF\xFE" + Utf16LE(kInf)},
      {"UTF-16BE", "\xFE\xFF" + Utf16BE(kInf)},
      {"UTF-8", "\xEF\xBB\xBF" + ToUtf8(kInf)},
  };
  for (const auto& c : cases) {
    TInfFile inf(u"t.inf", c.bytes);
    ASSERT_EQ(inf.FStrings.Strings(0), u"[Version]") << c.what;
    TStringList errors;
    inf.LoadValues(TStringList(), errors);
    EXPECT_EQ(errors.Count(), 0) << c.what;
    EXPECT_EQ(inf.FDeviceClass, u"Net") << c.what;
    EXPECT_EQ(inf.FHwids.ToVector(), Items{u"PCI\\VEN_1=\u7f51\u5361"}) << c.what;
  }
}

TEST(InfFile, UnmarkedFilesAreAnsiText) {
  TInfFile gbk(u"t.inf", "[Strings]\r\nD=\xCD\xF8\xBF\xA8\n"s);
  EXPECT_EQ(gbk.FStrings.ToVector(), (Items{u"[Strings]", u"D=\u7f51\u5361"}));
  TInfFile ff(u"t.inf", "\xFF"s);
  EXPECT_EQ(ff.FStrings.ToVector(), Items{u"\uf8f5"});
  // UTF-16 without a mark is ANSI text whose first zero byte ends it.
  TInfFile unmarked(u"t.inf", Utf16LE(u"[Version]"));
  EXPECT_EQ(unmarked.FStrings.ToVector(), Items{u"["});
}

TEST(InfFile, AnOddUtf16LastByteIsDropped) {
  TInfFile inf(u"t.inf", "\xFF\xFE" + Utf16LE(u"ab") + "c");
  EXPECT_EQ(inf.FStrings.ToVector(), Items{u"ab"});
}

TEST(InfFile, LinesAreKeptAsDecoded) {
  TInfFile inf(u"t.inf", "  ; comment\r\n\r\n\tx = 1 \rlast"s);
  EXPECT_EQ(inf.FStrings.ToVector(), (Items{u"  ; comment", u"", u"\tx = 1 ", u"last"}));
}

TEST(InfFile, AnEmptyFileHasNoLinesAndFails) {
  TInfFile inf(u"t.inf", ""s);
  EXPECT_EQ(inf.FStrings.Count(), 0);
  TStringList errors;
  inf.LoadValues(TStringList(), errors);
  EXPECT_EQ(errors.ToVector(), Items{u"t.inf"});
}

TEST(InfFile, ReadsFromDiskAndNamesAMissingFile) {
  testing::TempDir dir;
  dir.WriteFile("a.inf", "\xFF\xFE" + Utf16LE(kInf));
  TInfFile inf(FromNativeName(dir.Join("a.inf")));
  EXPECT_EQ(inf.FFileName, FromNativeName(dir.Join("a.inf")));
  EXPECT_EQ(inf.FStrings.Count(), 10);
  try {
    TInfFile missing(FromNativeName(dir.Join("none.inf")));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + FromNativeName(dir.Join("none.inf")) +
                               u"\". No such file or directory");
  }
}

}  // namespace
}  // namespace torvane
