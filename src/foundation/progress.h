// How long work reports how far it has come: files done of files found.
#pragma once

#include <cstdint>
#include <functional>

namespace torvane {

using ProgressFn = std::function<void(int64_t done, int64_t total)>;

}  // namespace torvane
