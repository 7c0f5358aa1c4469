// One INF file of a driver package: reading it and dumping its record.
#include "inf/inf_file.h"

#include "foundation/file_io.h"

namespace torvane {

TInfFile::TInfFile(std::u16string_view inf_file_name) : FFileName(inf_file_name) {
  FStrings.LoadFromBytes(ReadFileBytes(FFileName));
}

TInfFile::TInfFile(std::u16string_view inf_file_name, std::string_view bytes)
    : FFileName(inf_file_name) {
  FStrings.LoadFromBytes(bytes);
}

void TInfFile::DumpInfList(TStringList& inf_list) const {
  if (!FIsDriver) return;
  inf_list.Add(FFileName);
  inf_list.Add(FProvider);
  inf_list.Add(FDeviceClass);
  inf_list.Add(FCatalogFile);
  inf_list.Add(FVersion);
  inf_list.Add(FDate);
  inf_list.Add(FDateCount);
  inf_list.Add(FManufacturer.CommaText());
}

}  // namespace torvane
