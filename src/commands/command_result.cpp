// What a finished command tells the user.
#include "commands/command_result.h"

#include "foundation/text.h"

namespace torvane {

void SaveList(const TStringList& list, std::u16string_view name, CommandResult& result) {
  list.SaveToFile(name);
  result.written.push_back({std::u16string(name), list.Count()});
}

ProgressFn ProgressOf(UiPort& ui) {
  return [&ui](int64_t done, int64_t total) { ui.Progress(done, total); };
}

void NewErrors::Into(CommandResult& result) const {
  for (int k = before_; k < errors_.Count(); ++k) result.failed_infs.push_back(errors_.Strings(k));
}

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
