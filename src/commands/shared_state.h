// What the commands share while the program runs: the manufacturer map, the error list, the
// chosen Windows target and the window caption.
#pragma once

#include <string>

#include "foundation/line_list.h"
#include "inf/driver_version.h"

namespace torvane {

struct SharedState {
  /// Loaded once from the embedded map; only read afterwards.
  TStringList MfgsList;
  /// Only grows: failed INF paths and the lines of the reduced copy.
  TStringList ErrorList;
  TDriverVersion TargetVersion = dvWin7x64;
  std::u16string Caption;
};

/// The state as the window holds it after creation: the map loaded, Windows 7 x64 chosen.
SharedState CreateSharedState();

}  // namespace torvane
