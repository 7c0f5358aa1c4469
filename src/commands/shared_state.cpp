// What the commands share while the program runs.
#include "commands/shared_state.h"

#include "inf/manufacturer_map.h"

namespace torvane {

SharedState CreateSharedState() {
  SharedState state;
  LoadManufacturerMap(state.MfgsList);
  // Commands scan INF files on several threads, all reading the map.
  state.MfgsList.PrepareLookups();
  state.TargetVersion = dvWin7x64;
  state.Caption = std::u16string(DriverVersionText(dvWin7x64));
  return state;
}

}  // namespace torvane
