// The lines of one INF file as views into its decoded text.
#include "inf/inf_lines.h"

#include "foundation/error.h"
#include "foundation/line_list.h"
#include "foundation/text.h"

namespace torvane {

std::u16string_view InfLines::Strings(int index) const {
  if (index < 0 || index >= Count()) {
    throw Error(u"List index out of bounds (" + IntToStr(index) + u")");
  }
  const Span& span = lines_[index];
  return std::u16string_view(text_).substr(span.start, span.length);
}

std::u16string_view InfLines::Names(int index) const {
  const std::u16string_view s = Strings(index);
  const size_t eq = s.find(u'=');
  return eq == std::u16string_view::npos ? std::u16string_view() : s.substr(0, eq);
}

std::u16string_view InfLines::ValueFromIndex(int index) const {
  const std::u16string_view s = Strings(index);
  const size_t eq = s.find(u'=');
  return eq == std::u16string_view::npos ? std::u16string_view() : s.substr(eq + 1);
}

std::u16string InfLines::Text() const {
  std::u16string out;
  size_t size = 0;
  for (const Span& span : lines_) size += span.length + 2;
  out.reserve(size);
  for (int i = 0; i < Count(); ++i) {
    out += Strings(i);
    out += u"\r\n";
  }
  return out;
}

std::vector<std::u16string> InfLines::ToVector() const {
  std::vector<std::u16string> out;
  out.reserve(lines_.size());
  for (int i = 0; i < Count(); ++i) out.emplace_back(Strings(i));
  return out;
}

void InfLines::SetText(std::u16string text) {
  text_ = std::move(text);
  lines_.clear();
  ForEachTextLine(text_, [&](size_t start, size_t length) { lines_.push_back({start, length}); });
}

void InfLines::LoadFromBytes(std::string_view bytes) {
  TextEncoding encoding = TextEncoding::kAnsi;
  SetText(DecodeMarkedText(bytes, encoding));
  encoding_ = encoding;
}

}  // namespace torvane
