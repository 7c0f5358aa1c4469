// What a finished command tells the user.
#include "commands/command_result.h"

#include "foundation/text.h"

namespace torvane {

std::vector<std::u16string> DescribeResult(const CommandResult& result) {
  std::vector<std::u16string> lines;
  for (const WrittenFile& file : result.written) {
    std::u16string line = u"wrote " + file.name;
    if (file.lines >= 0) line += u" (" + IntToStr(file.lines) + (file.lines == 1 ? u" line)" : u" lines)");
    lines.push_back(std::move(line));
  }
  if (!result.failed_infs.empty()) {
    lines.push_back(IntToStr(static_cast<int64_t>(result.failed_infs.size())) +
                    u" INF file(s) failed to scan:");
    for (const auto& path : result.failed_infs) lines.push_back(u"  " + path);
  }
  for (const auto& note : result.notes) lines.push_back(note);
  return lines;
}

}  // namespace torvane
