// Text helpers shared by every part.
#include "foundation/text.h"

#include <unicode/ustring.h>

#include "foundation/error.h"

namespace torvane {

namespace {

bool IsTrimmed(char16_t c) { return c <= 32; }

}  // namespace

std::u16string Trim(std::u16string_view s) { return TrimRight(TrimLeft(s)); }

std::u16string TrimLeft(std::u16string_view s) { return std::u16string(TrimLeftView(s)); }

std::u16string_view TrimLeftView(std::u16string_view s) {
  size_t b = 0;
  while (b < s.size() && IsTrimmed(s[b])) ++b;
  return s.substr(b);
}

std::u16string TrimRight(std::u16string_view s) {
  size_t e = s.size();
  while (e > 0 && IsTrimmed(s[e - 1])) --e;
  return std::u16string(s.substr(0, e));
}

std::u16string UpperCase(std::u16string_view s) {
  std::u16string r(s);
  for (char16_t& c : r) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  }
  return r;
}

std::u16string LowerCase(std::u16string_view s) {
  std::u16string r(s);
  for (char16_t& c : r) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return r;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::u16string IntToStr(int64_t value) { return Ascii(std::to_string(value)); }

bool TryStrToInt(std::u16string_view s, int& value) {
  size_t p = 0;
  bool negative = false;
  if (p < s.size() && (s[p] == u'-' || s[p] == u'+')) negative = s[p++] == u'-';
  if (p == s.size()) return false;
  int64_t v = 0;
  for (; p < s.size(); ++p) {
    if (s[p] < u'0' || s[p] > u'9') return false;
    v = v * 10 + (s[p] - u'0');
    if (v > int64_t{INT32_MAX} + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(std::u16string_view s) {
  int value = 0;
  if (!TryStrToInt(s, value)) throw Error(u"'" + std::u16string(s) + u"' is not a valid integer value");
  return value;
}

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::string ToUtf8(std::u16string_view s) {
  if (s.empty()) return {};
  std::string out(s.size() * 3, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, s.data(),
                     static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? length : 0);
  return out;
}

std::u16string FromUtf8(std::string_view s) {
  if (s.empty()) return {};
  std::u16string out(s.size(), u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, s.data(),
                       static_cast<int32_t>(s.size()), 0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? length : 0);
  return out;
}

}  // namespace torvane
