// Replacing %key% tokens of an INF text with the values of its Strings section.
#include "inf/token_substitution.h"

#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "foundation/line_list.h"
#include "inf/inf_values.h"

namespace torvane {

namespace {

size_t LengthLimit(size_t original_length) { return 8 * original_length + 65536; }

struct Counter {
  int passes = 0;
};

// The literal passes over a text, continuing a count of passes already made. A pass depends on
// the text alone, so once a text comes back the passes repeat with that period until the pass
// limit: with skip_cycles, the whole periods are skipped and only the rest is made. Values
// that name each other ("A=%B%", "B=%A%") would otherwise cost every one of the 10,000 passes
// over the whole text.
std::u16string LiteralPasses(std::u16string text, const TStringList& strings, size_t limit,
                             Counter& counter, bool skip_cycles) {
  // Brent's cycle search: the checkpoint moves to the current text after 1, 2, 4 … passes.
  std::u16string checkpoint = text;
  int power = 1, since_checkpoint = 0;
  bool searching = skip_cycles;
  while (counter.passes < kMaxSubstitutionPasses) {
    const size_t p1 = text.find(u'%');
    if (p1 == std::u16string::npos) break;
    const size_t p2 = text.find(u'%', p1 + 1);
    if (p2 == std::u16string::npos) break;
    const std::u16string token = text.substr(p1 + 1, p2 - p1 - 1);
    const std::u16string value = strings.Values(token);
    std::u16string next = ReplaceAll(text, u"%" + token + u"%", value);
    if (next.size() > limit) break;
    text = std::move(next);
    ++counter.passes;
    if (!searching) continue;
    ++since_checkpoint;
    if (text == checkpoint) {
      counter.passes = kMaxSubstitutionPasses - (kMaxSubstitutionPasses - counter.passes) % since_checkpoint;
      searching = false;
    } else if (since_checkpoint == power) {
      checkpoint = text;
      power *= 2;
      since_checkpoint = 0;
    }
  }
  return text;
}

// The text as the runs between its "%" signs. While no value that a pass inserts holds a "%",
// an occurrence of "%token%" is exactly one run equal to the token, so a pass needs to visit
// only the runs equal to its token: replacing one merges the runs before and after it with the
// value. Runs keep the number of their first original run, so that number orders them.
class Runs {
 public:
  explicit Runs(std::u16string_view text) {
    size_t start = 0;
    while (true) {
      const size_t pos = text.find(u'%', start);
      const size_t end = pos == std::u16string_view::npos ? text.size() : pos;
      text_.emplace_back(text.substr(start, end - start));
      if (pos == std::u16string_view::npos) break;
      start = pos + 1;
    }
    const int n = static_cast<int>(text_.size());
    next_.resize(n);
    prev_.resize(n);
    for (int i = 0; i < n; ++i) {
      next_[i] = i + 1 < n ? i + 1 : -1;
      prev_[i] = i - 1;
      if (i != 0) by_text_[text_[i]].insert(i);
    }
    last_ = n - 1;
    length_ = text.size();
  }

  /// The token of the next pass: the run after the first; false with fewer than two "%".
  bool FirstToken(std::u16string& token) const {
    if (next_[0] < 0 || next_[0] == last_) return false;
    token = text_[next_[0]];
    return true;
  }

  size_t length() const { return length_; }

  /// The runs a pass for token replaces, in order: a run right after a replaced one lost its
  /// opening "%" to that replacement, and the first and last runs lack a "%" on one side.
  std::vector<int> Occurrences(const std::u16string& token) const {
    std::vector<int> found;
    const auto it = by_text_.find(token);
    if (it == by_text_.end()) return found;
    int replaced = -1;
    for (int run : it->second) {
      if (run == 0 || run == last_) continue;
      if (replaced >= 0 && next_[replaced] == run) continue;
      found.push_back(run);
      replaced = run;
    }
    return found;
  }

  void Replace(const std::vector<int>& occurrences, const std::u16string& value) {
    for (int run : occurrences) {
      const int before = prev_[run];
      const int after = next_[run];
      length_ = length_ - text_[run].size() - 2 + value.size();
      // The first run is never a token, so it stays out of the index and grows in place: most
      // passes merge into it, and rehashing it each time would make the passes quadratic.
      if (before != 0) Forget(before);
      Forget(run);
      Forget(after);
      text_[before] += value;
      text_[before] += text_[after];
      if (before != 0) by_text_[text_[before]].insert(before);
      next_[before] = next_[after];
      if (next_[after] >= 0) prev_[next_[after]] = before;
      if (after == last_) last_ = before;
      text_[run].clear();
      text_[after].clear();
    }
  }

  std::u16string Join() const {
    std::u16string out;
    out.reserve(length_);
    for (int i = 0; i >= 0; i = next_[i]) {
      if (i != 0) out += u'%';
      out += text_[i];
    }
    return out;
  }

 private:
  void Forget(int run) {
    const auto it = by_text_.find(text_[run]);
    it->second.erase(run);
    if (it->second.empty()) by_text_.erase(it);
  }

  std::vector<std::u16string> text_;
  std::vector<int> next_, prev_;
  std::unordered_map<std::u16string, std::set<int>> by_text_;
  int last_ = 0;
  size_t length_ = 0;
};

}  // namespace

std::u16string SubstituteTokensLiterally(std::u16string_view text, const TStringList& strings) {
  Counter counter;
  return LiteralPasses(std::u16string(text), strings, LengthLimit(text.size()), counter, false);
}

std::u16string SubstituteTokens(std::u16string_view text, const TStringList& strings) {
  if (text.find(u'%') == std::u16string_view::npos) return std::u16string(text);
  const size_t limit = LengthLimit(text.size());
  Counter counter;
  Runs runs(text);
  std::u16string token;
  while (counter.passes < kMaxSubstitutionPasses && runs.FirstToken(token)) {
    const std::u16string value = strings.Values(token);
    if (value.find(u'%') != std::u16string::npos) {
      // A value with "%" shifts the pairing of everything after it: from here the passes are
      // made literally.
      return LiteralPasses(runs.Join(), strings, limit, counter, true);
    }
    const std::vector<int> occurrences = runs.Occurrences(token);
    const size_t grown = runs.length() + occurrences.size() * value.size() -
                         occurrences.size() * (token.size() + 2);
    if (grown > limit) break;
    runs.Replace(occurrences, value);
    ++counter.passes;
  }
  return runs.Join();
}

}  // namespace torvane
