// The fuzzed entry points. An expected rejection of bad input is a torvane::Error and is
// caught; any other exception, a sanitizer report or a failed property aborts the run.
#include "fuzz_entries.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "foundation/code_page.h"
#include "foundation/collation.h"
#include "foundation/error.h"
#include "foundation/line_list.h"
#include "foundation/text.h"
#include "inf/driver_date.h"
#include "inf/inf_file.h"
#include "inf/inf_lines.h"
#include "inf/inf_values.h"
#include "inf/manufacturer_map.h"
#include "inf/token_substitution.h"
#include "index/scrambled_copy.h"

namespace torvane::fuzz {

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

std::string_view BytesOf(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Arbitrary code units, lone surrogates and NULs included.
std::u16string UnitsOf(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t k = 0; k + 1 < bytes.size(); k += 2) {
    out += static_cast<char16_t>(static_cast<uint8_t>(bytes[k]) |
                                 static_cast<uint8_t>(bytes[k + 1]) << 8);
  }
  return out;
}

const TStringList& ManufacturerMap() {
  static const TStringList* map = [] {
    auto* list = new TStringList;
    LoadManufacturerMap(*list);
    list->PrepareLookups();
    return list;
  }();
  return *map;
}

constexpr int kCodePages[] = {936, 1252, 932, 949, 950, 65001, 1200, 1201};

}  // namespace

int FuzzLineList(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = BytesOf(data + 1, size - 1);
  // Opening a code page builds its tables; each is opened once per run.
  static std::unique_ptr<CodePage> opened[std::size(kCodePages)];
  const size_t choice = data[0] % std::size(kCodePages);
  if (!opened[choice]) opened[choice] = CodePage::Open(kCodePages[choice]);
  const CodePage* code_page = opened[choice].get();
  const std::u16string text = code_page->Decode(bytes);
  (void)code_page->Encode(text);

  TStringList list;
  list.SetText(text);
  // The text a list gives back splits into the same items.
  TStringList again;
  again.SetText(list.Text());
  Require(again.ToVector() == list.ToVector(), "Text round trip");
  InfLines lines;
  lines.SetText(text);
  Require(lines.ToVector() == list.ToVector(), "INF lines split as the line list");

  // Lookups through the indexes find the first item the comparison calls equal.
  for (int i = 0; i < list.Count() && i < 64; ++i) {
    const int found = list.IndexOf(list.Strings(i));
    Require(found >= 0 && found <= i && CompareText(list.Strings(found), list.Strings(i)) == 0,
            "IndexOf finds an equal item at or before it");
    const std::u16string name = list.Names(i);
    if (list.Strings(i).find(u'=') != std::u16string::npos) {
      const int named = list.IndexOfName(name);
      Require(named >= 0 && named <= i, "IndexOfName finds a name at or before it");
    }
  }
  (void)list.CommaText();

  TStringList sorted;
  sorted.Assign(list);
  sorted.SetSorted(true);
  for (int i = 1; i < sorted.Count(); ++i) {
    Require(CompareText(sorted.Strings(i - 1), sorted.Strings(i)) <= 0, "sorted order");
  }

  for (TextEncoding encoding :
       {TextEncoding::kAnsi, TextEncoding::kUtf8, TextEncoding::kUtf16LE, TextEncoding::kUtf16BE}) {
    TStringList loaded;
    loaded.LoadFromBytes(std::string(ByteOrderMark(encoding)) + std::string(bytes));
    (void)loaded.SavedBytes();
  }
  return 0;
}

int FuzzInfFile(const uint8_t* data, size_t size) {
  TInfFile inf(u"fuzz.inf", BytesOf(data, size));
  TStringList errors;
  inf.LoadValues(ManufacturerMap(), errors);
  Require(errors.Count() <= 1, "a record fails once at most");
  TStringList dump;
  inf.DumpInfList(dump);
  Require(dump.Count() == (inf.FIsDriver ? 8 : 0), "a driver dumps eight lines");
  return 0;
}

int FuzzDriverDate(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int current_year = 1900 + (data[0] | data[1] << 8) % 300;
  const std::u16string text = FromUtf8(BytesOf(data + 2, size - 2));
  for (DateOrder order : kDateConventions) {
    TDateTime date = 0;
    if (!TryReadDate(text, order, current_year, date)) continue;
    (void)FormatDriverDate(date);
    const int64_t days = DaysSince2000(date);
    int64_t read_back = 0;
    Require(ParseDayCount(DayCountText(days), read_back) && read_back == days,
            "day count text round trip");
  }
  int64_t days = 0;
  if (ParseDayCount(text, days)) (void)DayCountText(days);
  return 0;
}

int FuzzInfValues(const uint8_t* data, size_t size) {
  const std::u16string input = UnitsOf(BytesOf(data, size));
  // The line, then after a NUL the Strings lines that substitution looks up.
  const size_t nul = input.find(u'\0');
  const std::u16string line = input.substr(0, nul);
  TStringList strings;
  if (nul != std::u16string::npos) {
    InfLines entries;
    entries.SetText(input.substr(nul + 1));
    for (int i = 0; i < entries.Count(); ++i) AddStringsEntry(entries.Strings(i), strings);
  }

  TStringList fields;
  const int count = SplitInfFields(line, fields);
  Require(count == fields.Count(), "field count");
  (void)CleanInfValue(line);
  (void)StripQuotes(line);
  TStringList models, ids, entries;
  try {
    ExpandManufacturerLine(line, models);
  } catch (const Error&) {
    const size_t eq = line.find(u'=');
    TStringList after;
    Require(SplitInfFields(eq == std::u16string::npos ? line : line.substr(eq + 1), after) == 0,
            "only a line without fields after its \"=\" is rejected");
  }
  ExpandModelLine(line, ids);
  AddStringsEntry(line, entries);
  (void)ReplaceAll(line, line.substr(0, line.size() / 2), u"%x%");

  // The literal passes rebuild the whole text each time; keep them to texts they finish fast.
  if (line.size() <= 200 && strings.Count() <= 20) {
    Require(SubstituteTokens(line, strings) == SubstituteTokensLiterally(line, strings),
            "substitution agrees with the literal passes");
  } else {
    (void)SubstituteTokens(line, strings);
  }
  return 0;
}

int FuzzScrambledCopy(const uint8_t* data, size_t size) {
  const std::string_view bytes = BytesOf(data, size);
  try {
    (void)RestoreScrambledBytes(bytes);
  } catch (const Error&) {
  }
  const uint8_t first = size > 0 ? data[0] : 0;
  const std::string stream = CompressForScrambling(bytes);
  Require(stream.size() >= 32, "streams are padded to 32 bytes");
  Require(RestoreScrambledBytes(ScrambleStream(stream, first, first ^ 0x5A)) == bytes,
          "scrambled copy restores");
  return 0;
}

Entry EntryNamed(std::string_view name) {
  if (name == "line_list") return FuzzLineList;
  if (name == "inf_file") return FuzzInfFile;
  if (name == "driver_date") return FuzzDriverDate;
  if (name == "inf_values") return FuzzInfValues;
  if (name == "scrambled_copy") return FuzzScrambledCopy;
  return nullptr;
}

}  // namespace torvane::fuzz
