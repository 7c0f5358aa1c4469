// The line list's comparison.
#include "foundation/collation.h"

#include <unicode/ucol.h>

#include <memory>
#include <vector>

#include "foundation/error.h"
#include "foundation/text.h"

namespace torvane {

namespace {

// Windows' word sort for ASCII: punctuation before digits in this order, "+<=>" after "~", and
// hyphen and apostrophe left for the tie-break below.
constexpr std::u16string_view kRules =
    uR"rules(&[before 1]0<' '<'!'<'"'<'#'<'$'<'%'<'&'<'('<')'<'*'<','<'.'<'/'<':'<';'<'?'<'@'<'['<'\'<']'<'^'<'_'<'`'<'{'<'|'<'}'<'~'<'+'<'<'<'='<'>'&[last tertiary ignorable]='-'='')rules";

struct CollatorCloser {
  void operator()(UCollator* c) const { ucol_close(c); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorCloser>;

CollatorPtr OpenTemplate() {
  UErrorCode status = U_ZERO_ERROR;
  UParseError parse_error;
  CollatorPtr collator(ucol_openRules(kRules.data(), static_cast<int32_t>(kRules.size()), UCOL_OFF,
                                      UCOL_SECONDARY, &parse_error, &status));
  if (U_FAILURE(status)) throw Error(u"Cannot open the collator: " + Ascii(u_errorName(status)));
  return collator;
}

// ICU collators may not be used from two threads at once; each thread keeps its own copy.
const UCollator* ThreadCollator() {
  static const CollatorPtr templ = OpenTemplate();
  thread_local CollatorPtr mine = [] {
    UErrorCode status = U_ZERO_ERROR;
    CollatorPtr copy(ucol_clone(templ.get(), &status));
    if (U_FAILURE(status)) throw Error(u"Cannot clone the collator: " + Ascii(u_errorName(status)));
    return copy;
  }();
  return mine.get();
}

bool IsTieMark(char16_t c) { return c == u'-' || c == u'\''; }

// The tie-break as bytes: per hyphen or apostrophe one 0x01, then the number of other
// characters before it inverted (more first), then 0 for an apostrophe or 1 for a hyphen; a
// final 0x00 makes a text that runs out of marks first sort first.
void AppendTieBreak(std::string& key, std::u16string_view s) {
  uint32_t others = 0;
  for (char16_t c : s) {
    if (!IsTieMark(c)) {
      ++others;
      continue;
    }
    const uint32_t inverted = 0xFFFFFFFFu - others;
    key.push_back('\x01');
    for (int shift = 24; shift >= 0; shift -= 8) key.push_back(static_cast<char>(inverted >> shift));
    key.push_back(c == u'\'' ? '\x00' : '\x01');
  }
  key.push_back('\x00');
}

int CompareTieBreak(std::u16string_view a, std::u16string_view b) {
  size_t i = 0, j = 0;
  uint32_t others_a = 0, others_b = 0;
  while (true) {
    while (i < a.size() && !IsTieMark(a[i])) ++i, ++others_a;
    while (j < b.size() && !IsTieMark(b[j])) ++j, ++others_b;
    const bool more_a = i < a.size(), more_b = j < b.size();
    if (!more_a || !more_b) return more_a ? 1 : (more_b ? -1 : 0);
    if (others_a != others_b) return others_a > others_b ? -1 : 1;
    if (a[i] != b[j]) return a[i] == u'\'' ? -1 : 1;
    ++i, ++j;
  }
}

}  // namespace

int CompareText(std::u16string_view a, std::u16string_view b) {
  const UCollationResult r = ucol_strcoll(ThreadCollator(), a.data(), static_cast<int32_t>(a.size()),
                                          b.data(), static_cast<int32_t>(b.size()));
  if (r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
  return CompareTieBreak(a, b);
}

std::string SortKey(std::u16string_view s) {
  const UCollator* collator = ThreadCollator();
  std::string key(s.size() * 2 + 16, '\0');
  auto* out = reinterpret_cast<uint8_t*>(key.data());
  int32_t n = ucol_getSortKey(collator, s.data(), static_cast<int32_t>(s.size()), out,
                              static_cast<int32_t>(key.size()));
  if (n > static_cast<int32_t>(key.size())) {
    key.resize(n);
    n = ucol_getSortKey(collator, s.data(), static_cast<int32_t>(s.size()),
                        reinterpret_cast<uint8_t*>(key.data()), n);
  }
  key.resize(n);  // ICU's key ends in its 0x00, which keeps prefix keys first
  AppendTieBreak(key, s);
  return key;
}

}  // namespace torvane
