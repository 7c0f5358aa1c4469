// One libFuzzer binary per target; TORVANE_FUZZ_TARGET names the entry.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return torvane::fuzz::TORVANE_FUZZ_TARGET(data, size);
}
