// Benchmarks of the INF reader on the real corpus: the largest files and the whole set.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/shared_state.h"
#include "foundation/file_names.h"
#include "foundation/text.h"
#include "inf/inf_file.h"
#include "inf/token_substitution.h"

namespace torvane {
namespace {

struct CorpusFile {
  std::u16string name;
  std::string bytes;
};

const std::vector<CorpusFile>& Corpus() {
  static const std::vector<CorpusFile> files = [] {
    std::vector<CorpusFile> out;
    const auto root = std::filesystem::path(TORVANE_SHARED_DIR) / "corpus";
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      std::string ext = it->path().extension().string();
      std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
      if (!it->is_regular_file() || ext != ".inf") continue;
      std::ifstream in(it->path(), std::ios::binary);
      out.push_back({FromNativeName(it->path().string()),
                     std::string(std::istreambuf_iterator<char>(in), {})});
    }
    std::sort(out.begin(), out.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.bytes.size() > b.bytes.size(); });
    return out;
  }();
  return files;
}

const TStringList& Map() {
  static const SharedState state = CreateSharedState();
  return state.MfgsList;
}

int64_t Scan(const CorpusFile& file) {
  TInfFile inf(file.name, file.bytes);
  TStringList errors;
  inf.LoadValues(Map(), errors);
  return inf.FHwids.Count();
}

void BM_ScanLargestCorpusFile(benchmark::State& state) {
  const auto& files = Corpus();
  if (files.size() <= static_cast<size_t>(state.range(0))) return state.SkipWithError("no corpus");
  const CorpusFile& file = files[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(Scan(file));
  state.SetBytesProcessed(state.iterations() * file.bytes.size());
  state.SetLabel(std::to_string(file.bytes.size() / 1024) + " KiB");
}
BENCHMARK(BM_ScanLargestCorpusFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_ScanWholeCorpus(benchmark::State& state) {
  const auto& files = Corpus();
  if (files.empty()) return state.SkipWithError("no corpus");
  size_t bytes = 0;
  for (const auto& f : files) bytes += f.bytes.size();
  for (auto _ : state) {
    for (const auto& f : files) benchmark::DoNotOptimize(Scan(f));
  }
  state.SetItemsProcessed(state.iterations() * files.size());
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ScanWholeCorpus)->Unit(benchmark::kMillisecond);

// Thousands of hardware IDs, each naming its own string key: the case a rescan per token makes
// quadratic.
void BM_SubstituteManyTokens(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TStringList strings;
  std::u16string text;
  for (int i = 0; i < n; ++i) {
    strings.Add(u"Dev" + IntToStr(i) + u"=Device number " + IntToStr(i));
    text += u"PCI\\VEN_8086&DEV_" + IntToStr(1000 + i) + u"=%Dev" + IntToStr(i) + u"%\r\n";
  }
  const bool literal = state.range(1) != 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(literal ? SubstituteTokensLiterally(text, strings)
                                     : SubstituteTokens(text, strings));
  }
  state.SetLabel(literal ? "literal" : "runs");
}
BENCHMARK(BM_SubstituteManyTokens)
    ->Args({5000, 0})
    ->Args({5000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
