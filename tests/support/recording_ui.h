// A Ui port that remembers what a command asked of the user.
#pragma once

#include <string>
#include <vector>

#include "commands/ui_port.h"

namespace torvane::testing {

class RecordingUi : public UiPort {
 public:
  void ShellOpen(std::u16string_view target, std::u16string_view parameters) override {
    opened.emplace_back(target);
    parameters_.emplace_back(parameters);
  }
  void MessageBox(std::u16string_view text, std::u16string_view caption) override {
    messages.push_back(std::u16string(caption) + u": " + std::u16string(text));
  }
  void Progress(int64_t done, int64_t total) override {
    last_done = done;
    last_total = total;
  }

  std::vector<std::u16string> opened, parameters_, messages;
  int64_t last_done = -1, last_total = -1;
};

}  // namespace torvane::testing
