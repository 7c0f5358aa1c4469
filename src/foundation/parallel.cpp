// Work on all cores with results taken in order.
#include "foundation/parallel.h"

#include <atomic>

namespace torvane {

namespace {

std::atomic<int> configured_jobs{0};

}  // namespace

int ParallelJobs() {
  const int jobs = configured_jobs.load();
  if (jobs > 0) return jobs;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

void SetParallelJobs(int jobs) { configured_jobs.store(jobs < 0 ? 0 : jobs); }

}  // namespace torvane
