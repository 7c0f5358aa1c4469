// The first item of a list per text under the line list's comparison, found without comparing
// against every item.
//
// Printable ASCII texts are equal under that comparison exactly when they are equal with ASCII
// letters taken in one case (each such character has a weight of its own, hyphen and apostrophe
// are told apart by the tie-break), so they are keyed by their upper-cased bytes and need no
// collator. Other texts are keyed by their collation keys. A probe that is not printable ASCII
// may equal an ASCII text through characters the collator ignores; the index leaves such a
// probe to the caller's scan.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace torvane {

class LookupIndex {
 public:
  void Clear();
  /// Records the text under index, unless an equal text was recorded before.
  void Add(std::u16string_view text, int index);
  /// The first recorded index whose text compares equal to the probe, or -1; nothing when the
  /// probe is not printable ASCII and only a scan can tell.
  std::optional<int> Find(std::u16string_view probe) const;

  /// Whether the text is made of the characters from space to "~" only.
  static bool IsPrintableAscii(std::u16string_view text);

 private:
  std::unordered_map<std::string, int> ascii_;
  std::unordered_map<std::string, int> other_;
};

}  // namespace torvane
