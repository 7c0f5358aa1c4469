// One INF file of a driver package: its lines and the driver record derived from them.
#pragma once

#include <string>
#include <string_view>

#include "foundation/line_list.h"
#include "inf/driver_version.h"
#include "inf/inf_lines.h"

namespace torvane {

class TInfFile {
 public:
  /// Reads the file into FStrings. A byte-order mark (UTF-8, UTF-16 LE or BE) chooses the
  /// encoding and is dropped; other files are read in the ANSI code page. Raises the file-open
  /// error when the file cannot be read.
  explicit TInfFile(std::u16string_view inf_file_name);
  /// The same from bytes already read, for a file of that name.
  TInfFile(std::u16string_view inf_file_name, std::string_view bytes);

  TInfFile(const TInfFile&) = delete;
  TInfFile& operator=(const TInfFile&) = delete;

  /// Scans the sections and fills the record. Never raises: any failure appends FFileName to
  /// error_list once, and the record keeps what was set before the failure.
  /// REQUIRES: called once per record.
  void LoadValues(const TStringList& mfgs_list, TStringList& error_list);

  /// Sets FDate and FDateCount from a date text, or from the file's last-write time when no
  /// date convention accepts the text; raises when that time cannot be read either.
  void InfDateCount(std::u16string_view date_str);
  /// Adds the targets that the model-section decorations and the date give.
  void GetDriverVersion();
  /// Appends the eight-line dump block of a driver; nothing for a file that is none.
  void DumpInfList(TStringList& inf_list) const;

  bool FIsDriver = false;
  CDriverVersion FDriverVersion;
  std::u16string FCatalogFile;
  std::u16string FDate;
  std::u16string FDateCount;
  std::u16string FDeviceClass;
  std::u16string FDirectory;
  std::u16string FFileName;
  std::u16string FProvider;
  std::u16string FVersion;
  TStringList FManufacturer;  // NAME=START=END per model section with IDs, upper case
  TStringList FHwids;         // HWID=DESCRIPTION in scan order
  InfLines FStrings;          // the lines of the file

 private:
  void ScanSections(const TStringList& mfgs_list);
  void FinishRecord(TStringList& version_list, const TStringList& mfgs_list);
};

}  // namespace torvane
