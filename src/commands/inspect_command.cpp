// Reading one INF file as every command does, and reporting the whole record.
#include "commands/inspect_command.h"

#include "inf/inf_file.h"

namespace torvane {

InfInspection InspectInf(std::u16string_view path_text, const TStringList& mfgs_list) {
  TInfFile inf(path_text);
  TStringList errors;
  inf.LoadValues(mfgs_list, errors);

  InfInspection report;
  report.file_name = inf.FFileName;
  report.scan_failed = errors.Count() > 0;
  report.is_driver = inf.FIsDriver;
  report.provider = inf.FProvider;
  report.device_class = inf.FDeviceClass;
  report.catalog_file = inf.FCatalogFile;
  report.version = inf.FVersion;
  report.date = inf.FDate;
  report.date_count = inf.FDateCount;
  report.directory = inf.FDirectory;
  for (int v = 0; v < kDriverVersionCount; ++v) {
    const auto target = static_cast<TDriverVersion>(v);
    if (inf.FDriverVersion.Contains(target)) report.targets.emplace_back(DriverVersionText(target));
  }
  report.manufacturer = inf.FManufacturer.ToVector();
  report.hwids = inf.FHwids.ToVector();
  TStringList dump;
  inf.DumpInfList(dump);
  report.dump = dump.ToVector();
  return report;
}

}  // namespace torvane
