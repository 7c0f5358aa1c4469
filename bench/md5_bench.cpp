// Throughput of file digests: one large mapped file, and many small files where the cost per
// file counts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "foundation/file_names.h"
#include "foundation/md5.h"

namespace {

// A folder of generated files, removed when the benchmark ends.
class Scratch {
 public:
  Scratch() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "torvane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // Writes a file of random bytes and returns its path text.
  std::u16string Write(const std::string& name, size_t size) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random_());
    const std::string native = path_ + "/" + name;
    std::ofstream(native, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    std::u16string text = torvane::FromNativeName(native);
    for (char16_t& c : text) {
      if (c == u'/') c = u'\\';
    }
    return text;
  }

 private:
  std::string path_;
  std::minstd_rand random_{1};
};

void BM_DigestOneLargeFile(benchmark::State& state) {
  Scratch scratch;
  const size_t size = static_cast<size_t>(state.range(0)) << 20;
  const std::u16string file = scratch.Write("large", size);
  for (auto _ : state) benchmark::DoNotOptimize(torvane::MD5FileHex(file));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_DigestOneLargeFile)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_DigestManySmallFiles(benchmark::State& state) {
  Scratch scratch;
  constexpr size_t kFiles = 1000;
  constexpr size_t kSize = 4096;
  std::vector<std::u16string> files;
  for (size_t i = 0; i < kFiles; ++i) files.push_back(scratch.Write(std::to_string(i), kSize));
  for (auto _ : state) {
    for (const std::u16string& file : files) benchmark::DoNotOptimize(torvane::MD5FileHex(file));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFiles * kSize));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kFiles));
}
BENCHMARK(BM_DigestManySmallFiles)->Unit(benchmark::kMillisecond);

}  // namespace
