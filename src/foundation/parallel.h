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
#include <algorithm>
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

/// The same for items that another thread finds while the work goes on: feed(push) runs on a
/// thread of its own and pushes the items in their order; produce(i, item) runs as soon as
/// item i is there, consume(i, item, result, found_so_far) in order on the calling thread. An
/// exception from feed is raised after the items it pushed were consumed.
template <typename Item, typename T>
void StreamInOrder(const std::function<void(const std::function<void(Item)>&)>& feed,
                   const std::function<T(int64_t, const Item&)>& produce,
                   const std::function<void(int64_t, const Item&, T&, int64_t)>& consume);

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

template <typename Item, typename T>
void StreamInOrder(const std::function<void(const std::function<void(Item)>&)>& feed,
                   const std::function<T(int64_t, const Item&)>& produce,
                   const std::function<void(int64_t, const Item&, T&, int64_t)>& consume) {
  struct Slot {
    std::optional<T> value;
    std::exception_ptr error;
    bool done = false;
  };
  const int jobs = ParallelJobs();
  const int64_t window = static_cast<int64_t>(jobs) * 32;
  std::mutex mutex;
  std::condition_variable changed;  // items pushed, slots done, room made, or stop
  std::vector<Item> items;
  std::deque<Slot> slots;  // slots[k] is item first + k
  int64_t first = 0, next = 0;
  bool fed = false, stop = false;
  std::exception_ptr feed_error;

  std::thread feeder([&] {
    try {
      feed([&](Item item) {
        {
          std::lock_guard lock(mutex);
          items.push_back(std::move(item));
        }
        changed.notify_all();
      });
    } catch (...) {
      std::lock_guard lock(mutex);
      feed_error = std::current_exception();
    }
    {
      std::lock_guard lock(mutex);
      fed = true;
    }
    changed.notify_all();
  });

  auto worker = [&] {
    while (true) {
      int64_t i;
      Item item;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] {
          return stop || (next < static_cast<int64_t>(items.size()) && next - first < window) ||
                 (fed && next >= static_cast<int64_t>(items.size()));
        });
        if (stop || next >= static_cast<int64_t>(items.size())) return;
        i = next++;
        item = items[i];
        slots.emplace_back();
      }
      Slot result;
      try {
        result.value.emplace(produce(i, item));
      } catch (...) {
        result.error = std::current_exception();
      }
      result.done = true;
      {
        std::lock_guard lock(mutex);
        slots[i - first] = std::move(result);
      }
      changed.notify_all();
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < std::max(1, jobs); ++t) threads.emplace_back(worker);

  std::exception_ptr failure;
  for (int64_t i = 0; !failure; ++i) {
    Slot slot;
    Item item;
    int64_t found = 0;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] {
        return (!slots.empty() && slots.front().done) || (fed && i >= static_cast<int64_t>(items.size()));
      });
      if (slots.empty() || !slots.front().done) break;  // everything found was consumed
      slot = std::move(slots.front());
      slots.pop_front();
      ++first;
      item = items[i];
      found = static_cast<int64_t>(items.size());
    }
    changed.notify_all();
    try {
      if (slot.error) std::rethrow_exception(slot.error);
      consume(i, item, *slot.value, found);
    } catch (...) {
      failure = std::current_exception();
    }
  }
  {
    std::lock_guard lock(mutex);
    stop = true;
  }
  changed.notify_all();
  for (std::thread& t : threads) t.join();
  feeder.join();  // a walk stopped by a failure still runs to its end; it only lists names
  if (failure) std::rethrow_exception(failure);
  if (feed_error) std::rethrow_exception(feed_error);
}

}  // namespace torvane
