// Tests of parallel work taken in order.
#include "foundation/parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>

namespace torvane {
namespace {

class Jobs {
 public:
  explicit Jobs(int n) { SetParallelJobs(n); }
  ~Jobs() { SetParallelJobs(0); }
};

TEST(ProduceInOrder, ResultsArriveInOrderWhateverFinishesFirst) {
  for (int jobs : {1, 2, 7}) {
    Jobs set(jobs);
    std::vector<int64_t> seen;
    ProduceInOrder<int64_t>(
        1000,
        [](int64_t i) {
          // Early items take longest, so later ones finish first.
          volatile int64_t spin = 0;
          for (int64_t k = 0; k < (1000 - i) * 50; ++k) spin = spin + k;
          return i * i;
        },
        [&](int64_t i, int64_t& v) {
          EXPECT_EQ(v, i * i);
          seen.push_back(i);
        });
    ASSERT_EQ(seen.size(), 1000u) << jobs;
    for (int64_t i = 0; i < 1000; ++i) ASSERT_EQ(seen[i], i);
  }
}

TEST(ProduceInOrder, AFailureSurfacesAtItsOwnTurn) {
  Jobs set(4);
  std::vector<int64_t> consumed;
  try {
    ProduceInOrder<int>(
        200, [](int64_t i) { if (i == 57) throw std::runtime_error("item 57"); return 0; },
        [&](int64_t i, int&) { consumed.push_back(i); });
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "item 57");
  }
  EXPECT_EQ(consumed.size(), 57u);
  std::atomic<int> produced{0};
  EXPECT_THROW(ProduceInOrder<int>(
                   100000, [&](int64_t) { return ++produced; },
                   [](int64_t i, int&) { if (i == 3) throw std::logic_error("stop"); }),
               std::logic_error);
  EXPECT_LT(produced.load(), 100000);  // a failed use stops the producers
}

TEST(StreamInOrder, ItemsFoundWhileTheWorkRunsAreUsedInOrder) {
  for (int jobs : {1, 3}) {
    Jobs set(jobs);
    std::vector<int64_t> seen;
    int64_t last_found = 0;
    StreamInOrder<int64_t, int64_t>(
        [](const std::function<void(int64_t)>& push) {
          for (int64_t k = 0; k < 500; ++k) push(k * 3);
        },
        [](int64_t, const int64_t& item) { return item + 1; },
        [&](int64_t i, const int64_t& item, int64_t& value, int64_t found) {
          EXPECT_EQ(item, i * 3);
          EXPECT_EQ(value, item + 1);
          EXPECT_GT(found, i);
          last_found = found;
          seen.push_back(i);
        });
    EXPECT_EQ(seen.size(), 500u);
    EXPECT_EQ(last_found, 500);
  }
}

TEST(StreamInOrder, FailuresOfTheFeedAndOfAnItemSurfaceInOrder) {
  Jobs set(2);
  int consumed = 0;
  // The feed fails after pushing ten items: those are used, then its error comes.
  EXPECT_THROW((StreamInOrder<int, int>(
                   [](const std::function<void(int)>& push) {
                     for (int k = 0; k < 10; ++k) push(k);
                     throw std::runtime_error("walk");
                   },
                   [](int64_t, const int& item) { return item; },
                   [&](int64_t, const int&, int&, int64_t) { ++consumed; })),
               std::runtime_error);
  EXPECT_EQ(consumed, 10);
  consumed = 0;
  EXPECT_THROW((StreamInOrder<int, int>(
                   [](const std::function<void(int)>& push) { for (int k = 0; k < 100; ++k) push(k); },
                   [](int64_t i, const int& item) { if (i == 40) throw std::logic_error("item"); return item; },
                   [&](int64_t, const int&, int&, int64_t) { ++consumed; })),
               std::logic_error);
  EXPECT_EQ(consumed, 40);
  // Nothing found: nothing used, no error.
  StreamInOrder<int, int>([](const std::function<void(int)>&) {}, [](int64_t, const int& v) { return v; },
                          [&](int64_t, const int&, int&, int64_t) { ++consumed; });
  EXPECT_EQ(consumed, 40);
}

}  // namespace
}  // namespace torvane
