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
  if (ParallelJobs() <= 1 || count <= 1) {
    for (int64_t i = 0; i < count; ++i) {
      T value = produce(i);
      consume(i, value);
    }
    return;
  }
  StreamInOrder<int64_t, T>(
      [count](const std::function<void(int64_t)>& push) {
        for (int64_t i = 0; i < count; ++i) push(i);
      },
      [&produce](int64_t, const int64_t& i) { return produce(i); },
      [&consume](int64_t i, const int64_t&, T& value, int64_t) { consume(i, value); });
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
  const int jobs = std::max(1, ParallelJobs());
  const int64_t window = static_cast<int64_t>(jobs) * 32;
  std::mutex mutex;
  // Workers wait for an item and room; the consumer waits for the first slot. Each side is
  // woken only when it can go on, as a wake-up per item would cost more than small items do.
  std::condition_variable work, front;
  std::vector<Item> items;
  std::deque<Slot> slots;  // slots[k] is item first + k
  int64_t first = 0, next = 0;
  bool fed = false, stop = false;
  std::exception_ptr feed_error;
  const auto workable = [&] {
    return next < static_cast<int64_t>(items.size()) && next - first < window;
  };

  std::thread feeder([&] {
    try {
      feed([&](Item item) {
        bool wake;
        {
          std::lock_guard lock(mutex);
          items.push_back(std::move(item));
          wake = next - first < window;
        }
        if (wake) work.notify_one();
      });
    } catch (...) {
      std::lock_guard lock(mutex);
      feed_error = std::current_exception();
    }
    {
      std::lock_guard lock(mutex);
      fed = true;
    }
    work.notify_all();
    front.notify_one();
  });

  auto worker = [&] {
    while (true) {
      int64_t i;
      Item item;
      {
        std::unique_lock lock(mutex);
        work.wait(lock, [&] { return stop || workable() || (fed && next >= static_cast<int64_t>(items.size())); });
        if (stop || !workable()) return;
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
      bool at_front;
      {
        std::lock_guard lock(mutex);
        slots[i - first] = std::move(result);
        at_front = i == first;
      }
      if (at_front) front.notify_one();
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < jobs; ++t) threads.emplace_back(worker);

  std::exception_ptr failure;
  for (int64_t i = 0; !failure; ++i) {
    Slot slot;
    Item item;
    int64_t found = 0;
    {
      std::unique_lock lock(mutex);
      front.wait(lock, [&] {
        return (!slots.empty() && slots.front().done) || (fed && i >= static_cast<int64_t>(items.size()));
      });
      if (slots.empty() || !slots.front().done) break;  // everything found was consumed
      slot = std::move(slots.front());
      slots.pop_front();
      ++first;
      item = items[i];
      found = static_cast<int64_t>(items.size());
    }
    work.notify_one();  // room for one more
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
  work.notify_all();
  for (std::thread& t : threads) t.join();
  feeder.join();  // a walk stopped by a failure still runs to its end; it only lists names
  if (failure) std::rethrow_exception(failure);
  if (feed_error) std::rethrow_exception(feed_error);
}

}  // namespace torvane
