// Reading and scanning many INF files on all cores while their records are used one by one in
// walk order: every list they feed comes out as one scan after another would make it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/line_list.h"
#include "inf/inf_file.h"

namespace torvane {

struct ScannedRecord {
  std::unique_ptr<TInfFile> inf;  // null for a file skipped before it was read
  std::u16string digest;          // the file's MD5, when asked for
};

struct ScanOptions {
  bool digest = false;          // each file's MD5, from the bytes the record is read from
  bool skip_empty = false;      // skip files whose size is not greater than 0
};

/// Creates and scans a record for every file with the map, on all cores, and calls use(i,
/// record) in file order on the calling thread. A failed scan's path goes to error_list in file
/// order. A file that cannot be read raises when its turn comes, after the files before it
/// were used, as a one-by-one walk would.
void ScanRecords(const std::vector<std::u16string>& files, const TStringList& mfgs_list,
                 TStringList& error_list, const ScanOptions& options,
                 const std::function<void(int64_t, ScannedRecord&)>& use);

/// The same for the files of a walk (WalkFilesEach), scanned while the walk goes on; use also
/// learns the path and how many files the walk has found so far. The walk's own checks raise
/// before any file is used.
void ScanWalkedRecords(std::u16string_view folder, std::u16string_view pattern, bool all_levels,
                       const TStringList& mfgs_list, TStringList& error_list,
                       const ScanOptions& options,
                       const std::function<void(int64_t, const std::u16string&, ScannedRecord&,
                                                int64_t)>& use);

}  // namespace torvane
