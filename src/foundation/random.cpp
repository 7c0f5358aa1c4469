// The program's one pseudo-random generator.
#include "foundation/random.h"

#include <chrono>
#include <mutex>
#include <random>

namespace torvane {

namespace {

struct Generator {
  std::mutex mutex;
  std::mt19937_64 engine;
  bool seeded = false;

  void SeedLocked() {
    engine.seed(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    seeded = true;
  }
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

}  // namespace

void SeedProgramRandom() {
  Generator& g = TheGenerator();
  std::lock_guard lock(g.mutex);
  g.SeedLocked();
}

int RandomBelow(int bound) {
  Generator& g = TheGenerator();
  std::lock_guard lock(g.mutex);
  if (!g.seeded) g.SeedLocked();
  return std::uniform_int_distribution<int>(0, bound - 1)(g.engine);
}

int RandomByteBelow255() { return RandomBelow(255); }

}  // namespace torvane
