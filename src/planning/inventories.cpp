// Inventories of driver packages.
#include "planning/inventories.h"

#include "foundation/date_time.h"
#include "foundation/file_facts.h"
#include "foundation/md5.h"
#include "foundation/text.h"
#include "foundation/parallel.h"
#include "inf/inf_file.h"
#include "inf/record_stream.h"

namespace torvane {

namespace {

void AddInventoryLine(TStringList& list, const std::u16string& path, const std::u16string& digest,
                      const TInfFile& inf) {
  list.Add(digest + u"=" + path + u"*" + inf.FDirectory + IntToStr(list.Count()));
}

// The digests of the files on all cores, listed in order: DIGEST=PATH.
void AddDigestLines(const std::vector<std::u16string>& files, bool skip_empty, TStringList& list,
                    const ProgressFn& progress) {
  const int64_t total = static_cast<int64_t>(files.size());
  ProduceInOrder<std::u16string>(
      total,
      [&](int64_t n) {
        return skip_empty && FileSizeOf(files[n]) <= 0 ? std::u16string() : MD5FileHex(files[n]);
      },
      [&](int64_t n, std::u16string& digest) {
        if (!digest.empty()) list.Add(digest + u"=" + files[n]);
        if (progress) progress(n + 1, total);
      });
}

}  // namespace

TStringList ListPackagesWithDigest(std::u16string_view folder, std::u16string_view mask,
                                   const TStringList& mfgs_list, TStringList& error_list,
                                   const ProgressFn& progress) {
  TStringList list;
  if (mask != u"*.inf") {
    AddDigestLines(WalkFiles(folder, mask, true), true, list, progress);
    return list;
  }
  ScanWalkedRecords(folder, mask, true, mfgs_list, error_list, {.digest = true, .skip_empty = true},
                    [&](int64_t n, const std::u16string& path, ScannedRecord& scanned, int64_t found) {
                      if (scanned.inf) AddInventoryLine(list, path, scanned.digest, *scanned.inf);
                      if (progress) progress(n + 1, found);
                    });
  return list;
}

TStringList ListRecentTargetPackages(std::u16string_view root, int days, TDriverVersion target,
                                     const TStringList& mfgs_list, TStringList& error_list,
                                     const ProgressFn& progress) {
  TStringList list;
  // The same time of day, days calendar days back.
  const TDateTime cutoff = Now() - days;
  std::vector<std::u16string> files;
  for (const std::u16string& folder : ListFolders(root, u"*", false)) {
    if (FolderCreationTime(folder) <= cutoff) continue;
    for (std::u16string& path : WalkFiles(folder, u"*.inf", false)) files.push_back(std::move(path));
  }
  // Only the kept drivers are digested, so the digest waits for the scan.
  const int64_t total = static_cast<int64_t>(files.size());
  ScanRecords(files, mfgs_list, error_list, {}, [&](int64_t n, ScannedRecord& scanned) {
    const TInfFile& inf = *scanned.inf;
    if (inf.FIsDriver && inf.FDriverVersion.Contains(target)) {
      AddInventoryLine(list, files[n], MD5FileHex(files[n]), inf);
    }
    if (progress) progress(n + 1, total);
  });
  return list;
}

TStringList ListFolderDigests(std::u16string_view folder, const ProgressFn& progress) {
  TStringList list;
  AddDigestLines(WalkFiles(folder, u"*", false), false, list, progress);
  return list;
}

}  // namespace torvane
