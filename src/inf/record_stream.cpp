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

}  // namespace

void ScanRecords(const std::vector<std::u16string>& files, const TStringList& mfgs_list,
                 TStringList& error_list, const ScanOptions& options,
                 const std::function<void(int64_t, ScannedRecord&)>& use) {
  mfgs_list.PrepareLookups();  // the threads below only read it from here on
  ProduceInOrder<Produced>(
      static_cast<int64_t>(files.size()),
      [&](int64_t i) {
        Produced out;
        const std::u16string& path = files[i];
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
      },
      [&](int64_t i, Produced& produced) {
        error_list.AddStrings(produced.errors);
        use(i, produced.record);
      });
}

}  // namespace torvane
