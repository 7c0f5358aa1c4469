// Replays the fuzz seeds and every input a fuzz run once failed on through the fuzzed entries:
// a fault found once stays fixed. An entry aborts on a failed property, which fails the suite.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_entries.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

TEST(FuzzInputs, EveryKeptInputRunsCleanly) {
  int replayed = 0;
  for (const char* kind : {"seeds", "regressions"}) {
    const fs::path root = fs::path(TORVANE_SOURCE_DIR) / "fuzz" / kind;
    if (!fs::is_directory(root)) continue;
    for (const fs::directory_entry& target : fs::directory_iterator(root)) {
      if (!target.is_directory()) continue;
      const fuzz::Entry entry = fuzz::EntryNamed(target.path().filename().string());
      ASSERT_NE(entry, nullptr) << "no fuzz entry for " << target.path();
      for (const fs::directory_entry& input : fs::directory_iterator(target.path())) {
        if (!input.is_regular_file()) continue;
        std::ifstream in(input.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(input.path().string());
        entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++replayed;
      }
    }
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace torvane
