// Finding, for many texts at once, the first line of a list that contains each of them.
#pragma once

#include <string>
#include <vector>

namespace torvane {

class TStringList;

/// For each pattern, the index of the first line that contains it as an exact substring, or
/// -1. One pass over the lines (Aho-Corasick), however many patterns there are.
std::vector<int> FirstLinesContaining(const std::vector<std::u16string>& patterns,
                                      const TStringList& lines);

}  // namespace torvane
