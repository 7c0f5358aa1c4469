// The greedy selection of packages for the WIM image.
#include "planning/wim_selection.h"

#include <unordered_map>

#include "foundation/text.h"

namespace torvane {

namespace {

// The token and base text that a pass takes from a catalogue line: the first entry of its
// grouped part, up to and including its second "@", and the text between its two "@".
struct PassTake {
  std::u16string token;
  std::u16string count;      // before the first "@"
  std::u16string base_text;  // between the two "@"
  bool has_token = false;    // false when the entry lacks its second "@"
};

PassTake TakeOf(const std::u16string& line) {
  std::u16string s;
  const size_t eq = line.find(u'=');
  s = eq == std::u16string::npos ? std::u16string() : line.substr(eq + 1);
  const size_t eq2 = s.find(u'=');
  if (eq2 != std::u16string::npos) s.erase(0, eq2 + 1);
  const size_t comma = s.find(u',');
  if (comma != std::u16string::npos) s.resize(comma);
  PassTake take;
  const size_t a = s.find(u'@');
  const size_t b = a == std::u16string::npos ? std::u16string::npos : s.find(u'@', a + 1);
  if (b == std::u16string::npos) return take;  // no token: the base text is empty
  take.has_token = true;
  take.token = s.substr(0, b + 1);
  take.count = s.substr(0, a);
  take.base_text = s.substr(a + 1, b - a - 1);
  return take;
}

const std::u16string& SelectedLine(const PassTake& take, const TStringList& hwids_list) {
  const int base = StrToInt(take.has_token ? take.base_text : std::u16string());
  return hwids_list.Strings(base);
}

}  // namespace

std::vector<std::u16string> SelectWimPackagesLiterally(const TStringList& catalogue,
                                                       const TStringList& hwids_list) {
  std::vector<std::u16string> selected;
  TStringList lines;
  lines.Assign(catalogue);
  lines.SetSorted(false);
  while (lines.Count() > 0) {
    const PassTake take = TakeOf(lines.Strings(lines.Count() - 1));
    selected.push_back(SelectedLine(take, hwids_list));
    for (int k = lines.Count() - 1; k >= 0; --k) {
      if (lines.Strings(k).find(take.token) != std::u16string::npos) lines.Delete(k);
    }
  }
  return selected;
}

// A token holds exactly two "@", so wherever it stands in a line its two "@" are two
// neighbouring "@" of that line, the base text lies between them, and the count ends right
// before the first. Indexing tokens by base text finds every line that holds each token in
// one pass over the lines; a pass of the selection then only visits the lines it deletes.
std::vector<std::u16string> SelectWimPackages(const TStringList& catalogue,
                                              const TStringList& hwids_list) {
  const int n = catalogue.Count();
  std::vector<PassTake> takes(n);
  std::unordered_map<std::u16string, int> token_ids;
  std::vector<int> token_of(n, -1);
  // base text -> (count, token id) of the tokens with that base
  std::unordered_map<std::u16string, std::vector<std::pair<std::u16string, int>>> by_base;
  for (int i = 0; i < n; ++i) {
    takes[i] = TakeOf(catalogue.Strings(i));
    if (!takes[i].has_token) continue;
    const auto [it, added] = token_ids.emplace(takes[i].token, static_cast<int>(token_ids.size()));
    token_of[i] = it->second;
    if (added) by_base[takes[i].base_text].emplace_back(takes[i].count, it->second);
  }

  std::vector<std::vector<int>> holders(token_ids.size());
  for (int i = 0; i < n; ++i) {
    const std::u16string& line = catalogue.Strings(i);
    size_t segment_start = 0;  // just after the "@" before p
    size_t p = line.find(u'@');
    while (p != std::u16string::npos) {
      const size_t q = line.find(u'@', p + 1);
      if (q == std::u16string::npos) break;
      const auto it = by_base.find(line.substr(p + 1, q - p - 1));
      if (it != by_base.end()) {
        const std::u16string_view before(line.data() + segment_start, p - segment_start);
        for (const auto& [count, id] : it->second) {
          if (before.size() >= count.size() &&
              before.substr(before.size() - count.size()) == count &&
              (holders[id].empty() || holders[id].back() != i)) {
            holders[id].push_back(i);
          }
        }
      }
      segment_start = p + 1;
      p = q;
    }
  }

  std::vector<std::u16string> selected;
  std::vector<bool> deleted(n, false);
  for (int last = n - 1;;) {
    while (last >= 0 && deleted[last]) --last;
    if (last < 0) break;
    selected.push_back(SelectedLine(takes[last], hwids_list));
    for (int holder : holders[token_of[last]]) deleted[holder] = true;
  }
  return selected;
}

}  // namespace torvane
