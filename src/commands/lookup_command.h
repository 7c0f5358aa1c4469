// Reading a published catalogue back, as the companion installer does: from a hardware ID to
// the drivers that serve it, newest first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/line_list.h"

namespace torvane {

struct DriverHit {
  std::u16string day_count, inf_path, provider, device_class, version, date;
  std::u16string hwid_line;  // the ID's own line in "HwidsList.txt"
};

class CatalogueReader {
 public:
  /// Reads "IndexList.txt" and "HwidsList.txt" of the working directory, or, where a text file
  /// is missing, its ".dis" copy. Raises when neither can be read.
  static CatalogueReader LoadFromWorkingDirectory();
  CatalogueReader(TStringList index_list, TStringList hwids_list);

  /// The drivers of the ID in catalogue order (newest first); empty when none serves it.
  std::vector<DriverHit> Find(std::u16string_view hwid) const;

 private:
  TStringList index_list_;
  TStringList hwids_list_;
};

/// The PCI and USB hardware IDs of this machine, read from sysfs below sys_root: for PCI
/// devices the four forms from VEN&DEV&SUBSYS&REV down to VEN&DEV and the class-code forms, for
/// USB devices VID&PID&REV and VID&PID.
std::vector<std::u16string> ThisMachineHardwareIds(const std::string& sys_root = "/sys");

}  // namespace torvane
