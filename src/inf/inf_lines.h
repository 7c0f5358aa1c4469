// The lines of one INF file, read once and never changed.
//
// A driver scan reads every file of a collection and looks at each line at most a few times,
// so the lines are views into the one decoded text rather than a string each: a collection of
// tens of thousands of files otherwise spends more time in the allocator than in the scan.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/code_page.h"

namespace torvane {

class InfLines {
 public:
  InfLines() = default;
  InfLines(const InfLines&) = delete;
  InfLines& operator=(const InfLines&) = delete;
  InfLines(InfLines&&) = default;
  InfLines& operator=(InfLines&&) = default;

  int Count() const { return static_cast<int>(lines_.size()); }
  /// Line i, as the line list gives it; raises the line list's "List index out of bounds (%d)"
  /// outside 0..Count-1.
  std::u16string_view Strings(int index) const;
  /// The text before the first "="; empty when there is none.
  std::u16string_view Names(int index) const;
  /// The text after the first "="; empty when there is none.
  std::u16string_view ValueFromIndex(int index) const;

  /// Every line followed by CR LF, as the line list's Text.
  std::u16string Text() const;

  /// Replaces the lines with those of text by the line list's rules: CR LF, CR or LF end a
  /// line, NUL ends the text, a final break adds no empty line.
  void SetText(std::u16string text);
  /// Reads bytes as the line list's load does: a byte-order mark chooses the encoding and is
  /// dropped, other bytes are in the ANSI code page.
  void LoadFromBytes(std::string_view bytes);

  std::vector<std::u16string> ToVector() const;

  /// The encoding the last load found; none for lines never loaded.
  std::optional<TextEncoding> Encoding() const { return encoding_; }

 private:
  struct Span {
    size_t start;
    size_t length;
  };

  std::u16string text_;
  std::vector<Span> lines_;
  std::optional<TextEncoding> encoding_;
};

}  // namespace torvane
