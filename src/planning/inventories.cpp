// Inventories of driver packages.
#include "planning/inventories.h"

#include "foundation/date_time.h"
#include "foundation/file_facts.h"
#include "foundation/md5.h"
#include "foundation/text.h"
#include "inf/inf_file.h"

namespace torvane {

namespace {

void AddInventoryLine(TStringList& list, const std::u16string& path, const TInfFile& inf) {
  list.Add(MD5FileHex(path) + u"=" + path + u"*" + inf.FDirectory + IntToStr(list.Count()));
}

}  // namespace

TStringList ListPackagesWithDigest(std::u16string_view folder, std::u16string_view mask,
                                   const TStringList& mfgs_list, TStringList& error_list,
                                   const ProgressFn& progress) {
  TStringList list;
  const std::vector<std::u16string> files = WalkFiles(folder, mask, true);
  const bool inf_mask = mask == u"*.inf";
  const int64_t total = static_cast<int64_t>(files.size());
  for (int64_t n = 0; n < total; ++n) {
    const std::u16string& path = files[n];
    if (FileSizeOf(path) > 0) {
      if (inf_mask) {
        TInfFile inf(path);
        inf.LoadValues(mfgs_list, error_list);
        AddInventoryLine(list, path, inf);
      } else {
        list.Add(MD5FileHex(path) + u"=" + path);
      }
    }
    if (progress) progress(n + 1, total);
  }
  return list;
}

TStringList ListRecentTargetPackages(std::u16string_view root, int days, TDriverVersion target,
                                     const TStringList& mfgs_list, TStringList& error_list,
                                     const ProgressFn& progress) {
  TStringList list;
  // The same time of day, days calendar days back.
  const TDateTime now = Now();
  const TDateTime cutoff = now - days;
  const std::vector<std::u16string> folders = ListFolders(root, u"*", false);
  const int64_t total = static_cast<int64_t>(folders.size());
  for (int64_t n = 0; n < total; ++n) {
    const std::u16string& folder = folders[n];
    if (FolderCreationTime(folder) > cutoff) {
      for (const std::u16string& path : WalkFiles(folder, u"*.inf", false)) {
        TInfFile inf(path);
        inf.LoadValues(mfgs_list, error_list);
        if (inf.FIsDriver && inf.FDriverVersion.Contains(target)) AddInventoryLine(list, path, inf);
      }
    }
    if (progress) progress(n + 1, total);
  }
  return list;
}

TStringList ListFolderDigests(std::u16string_view folder, const ProgressFn& progress) {
  TStringList list;
  const std::vector<std::u16string> files = WalkFiles(folder, u"*", false);
  const int64_t total = static_cast<int64_t>(files.size());
  for (int64_t n = 0; n < total; ++n) {
    list.Add(MD5FileHex(files[n]) + u"=" + files[n]);
    if (progress) progress(n + 1, total);
  }
  return list;
}

}  // namespace torvane
