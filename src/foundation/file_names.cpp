// The boundary between the system's path texts and the names the Linux file system holds.
#include "foundation/file_names.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace torvane {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscapedByte(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

void AppendUtf8(std::string& out, UChar32 c) {
  char buffer[U8_MAX_LENGTH];
  int32_t n = 0;
  UBool error = false;
  U8_APPEND(buffer, n, U8_MAX_LENGTH, c, error);
  if (!error) out.append(buffer, n);
}

}  // namespace

std::string NativePath(std::u16string_view path_text) {
  std::string out;
  out.reserve(path_text.size());
  const int32_t length = static_cast<int32_t>(path_text.size());
  int32_t i = 0;
  while (i < length) {
    const char16_t unit = path_text[i];
    if (unit == u'\\') {
      out.push_back('/');
      ++i;
      continue;
    }
    if (IsEscapedByte(unit)) {
      out.push_back(static_cast<char>(unit - kEscapeBase));
      ++i;
      continue;
    }
    UChar32 c;
    U16_NEXT(path_text.data(), i, length, c);
    // Any other lone surrogate cannot have come from a disk name; it has no bytes of its own.
    AppendUtf8(out, U_IS_SURROGATE(c) ? 0xFFFD : c);
  }
  return out;
}

std::u16string FromNativeName(std::string_view native) {
  std::u16string out;
  out.reserve(native.size());
  const int32_t length = static_cast<int32_t>(native.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(native.data());
  int32_t i = 0;
  while (i < length) {
    const int32_t start = i;
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) {
      for (int32_t k = start; k < i; ++k) out.push_back(static_cast<char16_t>(kEscapeBase + bytes[k]));
      continue;
    }
    if (U_IS_BMP(c)) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      out.push_back(U16_LEAD(c));
      out.push_back(U16_TRAIL(c));
    }
  }
  return out;
}

}  // namespace torvane
