// The first item of a list per text under the line list's comparison.
#include "foundation/lookup_index.h"

#include "foundation/collation.h"

namespace torvane {

namespace {

std::string AsciiKey(std::u16string_view text) {
  std::string key(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    key[i] = static_cast<char>(c >= u'a' && c <= u'z' ? c - 32 : c);
  }
  return key;
}

}  // namespace

bool LookupIndex::IsPrintableAscii(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

void LookupIndex::Clear() {
  ascii_.clear();
  other_.clear();
}

void LookupIndex::Add(std::u16string_view text, int index) {
  if (IsPrintableAscii(text)) {
    ascii_.emplace(AsciiKey(text), index);
  } else {
    other_.emplace(SortKey(text), index);
  }
}

std::optional<int> LookupIndex::Find(std::u16string_view probe) const {
  if (!IsPrintableAscii(probe)) return std::nullopt;
  int found = -1;
  if (const auto it = ascii_.find(AsciiKey(probe)); it != ascii_.end()) found = it->second;
  if (!other_.empty()) {
    const auto it = other_.find(SortKey(probe));
    if (it != other_.end() && (found < 0 || it->second < found)) found = it->second;
  }
  return found;
}

}  // namespace torvane
