// Windows targets as the command line names them.
#include <array>

#include "cli/commands.h"

namespace torvane::cli {

namespace {

constexpr std::array<const char*, kDriverVersionCount> kShortNames = {"xp-x86", "7-x86", "7-x64",
                                                                      "8-x86", "8-x64"};

bool TryParseTarget(const std::string& text, TDriverVersion& target) {
  for (int v = 0; v < kDriverVersionCount; ++v) {
    if (text == kShortNames[v] || text == std::to_string(v)) {
      target = static_cast<TDriverVersion>(v);
      return true;
    }
  }
  return false;
}

}  // namespace

TDriverVersion ParseTarget(const std::string& text) {
  TDriverVersion target = dvWin7x64;
  TryParseTarget(text, target);
  return target;
}

CLI::Validator TargetValidator() {
  return CLI::Validator(
      [](std::string& text) {
        TDriverVersion ignored;
        return TryParseTarget(text, ignored)
                   ? std::string()
                   : "unknown target '" + text + "': use 0-4 or xp-x86, 7-x86, 7-x64, 8-x86, 8-x64";
      },
      "TARGET");
}

}  // namespace torvane::cli
