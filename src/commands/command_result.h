// What a finished command tells the user: the files it wrote and the INF files that failed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands/ui_port.h"
#include "foundation/line_list.h"
#include "foundation/progress.h"

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

/// Saves the list under the name in the working directory and notes it in the result.
void SaveList(const TStringList& list, std::u16string_view name, CommandResult& result);

/// Progress of long work, handed to the user through the Ui port.
ProgressFn ProgressOf(UiPort& ui);

/// The failed scans a command adds to an error list that lives longer than the command.
class NewErrors {
 public:
  explicit NewErrors(const TStringList& errors) : errors_(errors), before_(errors.Count()) {}
  /// Notes the paths added since construction in the result.
  void Into(CommandResult& result) const;

 private:
  const TStringList& errors_;
  int before_;
};

/// The result in lines for the user: "wrote NAME (N lines)", the failed INF files, the notes.
std::vector<std::u16string> DescribeResult(const CommandResult& result);

}  // namespace torvane
