// Every real INF file of the shared corpus goes through the reader: no crash, no hang, and the
// same record when read twice.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/file_names.h"
#include "foundation/text.h"
#include "inf/inf_file.h"

namespace torvane {
namespace {

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> files;
  const std::filesystem::path root = std::filesystem::path(TORVANE_SHARED_DIR) / "corpus";
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    const std::string ext = it->path().extension().string();
    if (it->is_regular_file() && (ext == ".inf" || ext == ".INF" || ext == ".Inf")) {
      files.push_back(it->path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::u16string> Record(const std::string& path, bool& failed) {
  TInfFile inf(FromNativeName(path));
  TStringList errors;
  inf.LoadValues(TStringList(), errors);
  failed = errors.Count() > 0;
  std::vector<std::u16string> record = {
      inf.FIsDriver ? u"driver" : u"-", IntToStr(inf.FDriverVersion.Bits()), inf.FCatalogFile,
      inf.FDate, inf.FDateCount, inf.FDeviceClass, inf.FDirectory, inf.FProvider, inf.FVersion,
      inf.FManufacturer.Text(), inf.FHwids.Text()};
  TStringList dump;
  inf.DumpInfList(dump);
  record.push_back(dump.Text());
  return record;
}

TEST(Corpus, EveryFileScansTheSameTwice) {
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus beside the project";
  int drivers = 0, failures = 0, ids = 0;
  for (const std::string& path : files) {
    bool failed_first = false, failed_second = false;
    const auto first = Record(path, failed_first);
    const auto second = Record(path, failed_second);
    ASSERT_EQ(first, second) << path;
    ASSERT_EQ(failed_first, failed_second) << path;
    drivers += first[0] == u"driver";
    failures += failed_first;
    TStringList hwids;
    hwids.SetText(first[10]);
    ids += hwids.Count();
  }
  // The corpus holds real drivers: most files with model sections must come out as drivers.
  EXPECT_GT(drivers, static_cast<int>(files.size()) / 2);
  EXPECT_GT(ids, 1000);
  RecordProperty("files", static_cast<int>(files.size()));
  RecordProperty("drivers", drivers);
  RecordProperty("failures", failures);
}

}  // namespace
}  // namespace torvane
