// What a finished command tells the user: the files it wrote and the INF files that failed.
#pragma once

#include <string>
#include <vector>

namespace torvane {

struct WrittenFile {
  std::u16string name;
  int lines = -1;  // -1 for a file that is not a line list (a ".dis" copy)
};

struct CommandResult {
  std::vector<WrittenFile> written;
  std::vector<std::u16string> failed_infs;
  std::vector<std::u16string> notes;  // anything else the user should read
};

/// The result in lines for the user: "wrote NAME (N lines)", the failed INF files, the notes.
std::vector<std::u16string> DescribeResult(const CommandResult& result);

}  // namespace torvane
