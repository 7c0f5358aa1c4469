// Reading one INF file as every command does, and reporting the whole record: how a maintainer
// finds out why a driver landed where it did.
#pragma once

#include <string>
#include <vector>

#include "foundation/line_list.h"
#include "inf/driver_version.h"

namespace torvane {

struct InfInspection {
  std::u16string file_name;
  bool scan_failed = false;
  bool is_driver = false;
  std::u16string provider, device_class, catalog_file, version, date, date_count, directory;
  std::vector<std::u16string> targets;       // display texts, in ordinal order
  std::vector<std::u16string> manufacturer;  // range lines
  std::vector<std::u16string> hwids;
  std::vector<std::u16string> dump;          // the eight-line block, empty for no driver
};

/// Loads and scans the file with the map; raises the file-open error when it cannot be read.
InfInspection InspectInf(std::u16string_view path_text, const TStringList& mfgs_list);

}  // namespace torvane
