// Reading and scanning many INF files on all cores, used in walk order.
#include "inf/record_stream.h"

#include "foundation/file_facts.h"
#include "foundation/file_io.h"
#include "foundation/md5.h"
#include "foundation/parallel.h"
#include "foundation/text.h"

namespace torvane {

namespace {

struct Produced {
  ScannedRecord record;
  TStringList errors;
};

Produced Produce(const std::u16string& path, const TStringList& mfgs_list,
                 const ScanOptions& options) {
  Produced out;
  if (options.skip_empty && FileSizeOf(path) <= 0) return out;
  if (options.digest) {
    // One read serves the digest and the record.
    const std::string bytes = ReadFileBytes(path);
    out.record.digest = Ascii(MD5Hex(bytes));
    out.record.inf = std::make_unique<TInfFile>(path, bytes);
  } else {
    out.record.inf = std::make_unique<TInfFile>(path);
  }
  out.record.inf->LoadValues(mfgs_list, out.errors);
  return out;
}

}  // namespace

void ScanWalkedRecords(std::u16string_view folder, std::u16string_view pattern, bool all_levels,
                       const TStringList& mfgs_list, TStringList& error_list,
                       const ScanOptions& options,
                       const std::function<void(int64_t, const std::u16string&, ScannedRecord&,
                                                int64_t)>& use) {
  mfgs_list.PrepareLookups();  // the threads below only read it from here on
  const std::u16string folder_text(folder), pattern_text(pattern);
  StreamInOrder<std::u16string, Produced>(
      [&](const std::function<void(std::u16string)>& push) {
        WalkFilesEach(folder_text, pattern_text, all_levels, push);
      },
      [&](int64_t, const std::u16string& path) { return Produce(path, mfgs_list, options); },
      [&](int64_t i, const std::u16string& path, Produced& produced, int64_t found) {
        error_list.AddStrings(produced.errors);
        use(i, path, produced.record, found);
      });
}

void ScanRecords(const std::vector<std::u16string>& files, const TStringList& mfgs_list,
                 TStringList& error_list, const ScanOptions& options,
                 const std::function<void(int64_t, ScannedRecord&)>& use) {
  mfgs_list.PrepareLookups();  // the threads below only read it from here on
  ProduceInOrder<Produced>(
      static_cast<int64_t>(files.size()),
      [&](int64_t i) { return Produce(files[i], mfgs_list, options); },
      [&](int64_t i, Produced& produced) {
        error_list.AddStrings(produced.errors);
        use(i, produced.record);
      });
}

}  // namespace torvane
