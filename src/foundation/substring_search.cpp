// Finding, for many texts at once, the first line of a list that contains each of them.
#include "foundation/substring_search.h"

#include <queue>
#include <unordered_map>

#include "foundation/line_list.h"

namespace torvane {

namespace {

class Automaton {
 public:
  explicit Automaton(const std::vector<std::u16string>& patterns) {
    nodes_.emplace_back();
    for (size_t p = 0; p < patterns.size(); ++p) {
      int node = 0;
      for (char16_t c : patterns[p]) {
        auto it = goto_.find(Key(node, c));
        if (it == goto_.end()) {
          nodes_.emplace_back();
          it = goto_.emplace(Key(node, c), static_cast<int>(nodes_.size()) - 1).first;
        }
        node = it->second;
      }
      nodes_[node].patterns.push_back(static_cast<int>(p));
    }
    BuildLinks();
  }

  /// Calls found(pattern) for every pattern occurrence in the text.
  template <typename Found>
  void Scan(const std::u16string& text, Found&& found) const {
    int node = 0;
    for (char16_t c : text) {
      node = Step(node, c);
      for (int n = nodes_[node].patterns.empty() ? nodes_[node].output : node; n > 0;
           n = nodes_[n].output) {
        for (int p : nodes_[n].patterns) found(p);
      }
    }
  }

 private:
  struct Node {
    int fail = 0;
    int output = 0;  // nearest node on the fail chain that ends a pattern; 0 for none
    std::vector<int> patterns;
  };

  static uint64_t Key(int node, char16_t c) { return (static_cast<uint64_t>(node) << 16) | c; }

  int Step(int node, char16_t c) const {
    while (true) {
      const auto it = goto_.find(Key(node, c));
      if (it != goto_.end()) return it->second;
      if (node == 0) return 0;
      node = nodes_[node].fail;
    }
  }

  void BuildLinks() {
    // Children per node, to visit the trie breadth first.
    std::unordered_map<int, std::vector<std::pair<char16_t, int>>> children;
    for (const auto& [key, child] : goto_) {
      children[static_cast<int>(key >> 16)].emplace_back(static_cast<char16_t>(key & 0xFFFF), child);
    }
    std::queue<int> queue;
    for (const auto& [c, child] : children[0]) queue.push(child);
    while (!queue.empty()) {
      const int node = queue.front();
      queue.pop();
      for (const auto& [c, child] : children[node]) {
        int fail = nodes_[node].fail;
        int target = 0;
        while (true) {
          const auto it = goto_.find(Key(fail, c));
          if (it != goto_.end() && it->second != child) {
            target = it->second;
            break;
          }
          if (fail == 0) break;
          fail = nodes_[fail].fail;
        }
        nodes_[child].fail = target;
        nodes_[child].output = nodes_[target].patterns.empty() ? nodes_[target].output : target;
        queue.push(child);
      }
    }
  }

  std::vector<Node> nodes_;
  std::unordered_map<uint64_t, int> goto_;
};

}  // namespace

std::vector<int> FirstLinesContaining(const std::vector<std::u16string>& patterns,
                                      const TStringList& lines) {
  std::vector<int> first(patterns.size(), -1);
  std::vector<std::u16string> nonempty;
  std::vector<size_t> origin;
  for (size_t p = 0; p < patterns.size(); ++p) {
    if (patterns[p].empty()) {
      if (lines.Count() > 0) first[p] = 0;  // the empty text is in every line
    } else {
      nonempty.push_back(patterns[p]);
      origin.push_back(p);
    }
  }
  if (nonempty.empty()) return first;
  const Automaton automaton(nonempty);
  size_t open = nonempty.size();
  for (int k = 0; k < lines.Count() && open > 0; ++k) {
    automaton.Scan(lines.Strings(k), [&](int p) {
      int& slot = first[origin[p]];
      if (slot < 0) {
        slot = k;
        --open;
      }
    });
  }
  return first;
}

}  // namespace torvane
