// Single-line INF helpers.
#include "inf/inf_values.h"

#include "foundation/line_list.h"
#include "foundation/text.h"

namespace torvane {

namespace {

std::u16string_view CutComment(std::u16string_view text) {
  const size_t semicolon = text.find(u';');
  return semicolon == std::u16string_view::npos ? text : text.substr(0, semicolon);
}

bool IsSeparator(char16_t c) { return c == u',' || c == u'=' || c == u'@'; }

}  // namespace

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view value) {
  if (pattern.empty()) return std::u16string(text);
  std::u16string result;
  size_t position = 0;
  while (true) {
    const size_t found = text.find(pattern, position);
    if (found == std::u16string_view::npos) break;
    result.append(text.substr(position, found - position));
    result.append(value);
    position = found + pattern.size();
  }
  result.append(text.substr(position));
  return result;
}

std::u16string StripQuotes(std::u16string_view text) {
  if (!text.empty() && text.front() == u'"') text.remove_prefix(1);
  if (!text.empty() && text.back() == u'"') text.remove_suffix(1);
  return std::u16string(text);
}

std::u16string CleanInfValue(std::u16string_view text) {
  return StripQuotes(Trim(CutComment(text)));
}

int SplitInfFields(std::u16string_view line, TStringList& list) {
  const std::u16string_view text = CutComment(line);
  if (text.empty()) return 0;
  int count = 0;
  size_t p = 0;
  // The end of the text is a separator too, so a line ending in "," still passes its end once.
  while (p <= text.size()) {
    while (p < text.size() && (text[p] == u'\t' || text[p] == u' ')) ++p;
    const size_t start = p;
    while (p < text.size() && !IsSeparator(text[p])) ++p;
    if (p > start) {
      std::u16string field = TrimRight(text.substr(start, p - start));
      if (!field.empty() && field.front() == u'"') {
        // The first and the last character go, whatever the last one is.
        field = field.size() >= 2 ? field.substr(1, field.size() - 2) : std::u16string();
      }
      list.Add(std::move(field));
      ++count;
    }
    ++p;
  }
  return count;
}

void ExpandManufacturerLine(std::u16string_view line, TStringList& list) {
  const size_t eq = line.find(u'=');
  if (eq != std::u16string_view::npos) line.remove_prefix(eq + 1);
  TStringList fields;
  const int count = SplitInfFields(line, fields);
  const std::u16string& base = fields.Strings(0);  // no field: the list's index error
  list.Add(base);
  for (int k = 1; k < count; ++k) list.Add(base + u"." + fields.Strings(k));
}

void ExpandModelLine(std::u16string_view line, TStringList& list) {
  TStringList fields;
  const int count = SplitInfFields(line, fields);
  for (int k = 2; k < count; ++k) list.Add(UpperCase(fields.Strings(k)) + u"=" + fields.Strings(0));
}

void AddStringsEntry(std::u16string_view line, TStringList& list) {
  const std::u16string_view text = CutComment(line);
  const size_t eq = text.find(u'=');
  std::u16string_view key, value;
  if (eq == std::u16string_view::npos) {
    value = text;
  } else {
    key = text.substr(0, eq);
    value = text.substr(eq + 1);
  }
  list.Add(StripQuotes(TrimRight(key)) + u"=" + StripQuotes(Trim(value)));
}

}  // namespace torvane
