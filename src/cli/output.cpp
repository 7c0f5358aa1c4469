// Writing the system's texts to the terminal.
#include "cli/output.h"

#include <ostream>

#include "foundation/text.h"

namespace torvane::cli {

void Print(std::ostream& out, std::u16string_view text) { out << ToUtf8(text); }

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          char buffer[8];
          snprintf(buffer, sizeof buffer, "\\u%04x", u);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonArray(const std::vector<std::u16string>& texts) {
  std::string out = "[";
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ", ";
    out += JsonString(texts[i]);
  }
  return out + "]";
}

}  // namespace torvane::cli
