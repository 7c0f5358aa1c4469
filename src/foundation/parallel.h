// Work on all cores with results taken in order: the scans of many INF files run in parallel,
// and what they yield is used one by one in walk order, so the output is the same for any
// number of jobs.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace torvane {

/// The number of jobs parallel work uses: all cores unless set.
int ParallelJobs();
/// Sets the number of jobs (1 or more; 0 means all cores). The command line's --jobs.
void SetParallelJobs(int jobs);

/// Runs produce(i) for i in 0..count-1 on ParallelJobs() threads and consume(i, result) on the
/// calling thread in ascending order of i. At most a bounded number of results wait at a time.
/// An exception from produce(i) is raised by the call when item i's turn to be consumed comes,
/// after items 0..i-1 were consumed; an exception from consume stops everything.
template <typename T>
void ProduceInOrder(int64_t count, const std::function<T(int64_t)>& produce,
                    const std::function<void(int64_t, T&)>& consume);

// ---- implementation ----

template <typename T>
void ProduceInOrder(int64_t count, const std::function<T(int64_t)>& produce,
                    const std::function<void(int64_t, T&)>& consume) {
  const int jobs = ParallelJobs();
  if (jobs <= 1 || count <= 1) {
    for (int64_t i = 0; i < count; ++i) {
      T value = produce(i);
      consume(i, value);
    }
    return;
  }
  struct Slot {
    std::optional<T> value;
    std::exception_ptr error;
    bool done = false;
  };
  const int64_t window = static_cast<int64_t>(jobs) * 32;
  std::mutex mutex;
  std::condition_variable ready, room;
  std::deque<Slot> slots;  // slots[k] is item first + k
  int64_t first = 0, next = 0;
  bool stop = false;

  auto worker = [&] {
    while (true) {
      int64_t i;
      {
        std::unique_lock lock(mutex);
        room.wait(lock, [&] { return stop || next >= count || next - first < window; });
        if (stop || next >= count) return;
        i = next++;
        slots.emplace_back();
      }
      Slot result;
      try {
        result.value.emplace(produce(i));
      } catch (...) {
        result.error = std::current_exception();
      }
      result.done = true;
      {
        std::lock_guard lock(mutex);
        slots[i - first] = std::move(result);
      }
      ready.notify_all();
    }
  };

  std::vector<std::thread> threads;
  threads.reserve(jobs);
  for (int t = 0; t < jobs; ++t) threads.emplace_back(worker);
  std::exception_ptr failure;
  for (int64_t i = 0; i < count && !failure; ++i) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      ready.wait(lock, [&] { return !slots.empty() && slots.front().done; });
      slot = std::move(slots.front());
      slots.pop_front();
      ++first;
    }
    room.notify_all();
    try {
      if (slot.error) std::rethrow_exception(slot.error);
      consume(i, *slot.value);
    } catch (...) {
      failure = std::current_exception();
    }
  }
  {
    std::lock_guard lock(mutex);
    stop = true;
  }
  room.notify_all();
  for (std::thread& t : threads) t.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace torvane
