// Expected file contents written in tests as source lines.
#pragma once

#include <string>
#include <string_view>

#include "foundation/code_page.h"

namespace torvane::testing {

/// The text of lines written one per source line ("\n"), each followed by CR LF.
inline std::u16string CrLf(std::u16string_view lines) {
  std::u16string text;
  for (char16_t c : lines) {
    if (c == u'\n') text += u'\r';
    text += c;
  }
  return text;
}

/// What a text file of these lines holds: code page 936 bytes, CR LF after every line.
inline std::string Gbk(std::u16string_view lines) { return CodePage::Open(936)->Encode(CrLf(lines)); }

}  // namespace torvane::testing
