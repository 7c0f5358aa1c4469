// Benchmarks of the line list's hot paths: sorting catalogue-sized lists and name lookups.
#include <benchmark/benchmark.h>

#include <random>

#include "foundation/line_list.h"
#include "foundation/text.h"

namespace torvane {
namespace {

std::u16string Hex(std::mt19937& random, int digits) {
  static const char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string s;
  for (int i = 0; i < digits; ++i) s += kDigits[random() % 16];
  return s;
}

// Index lines as the full index writes them: HWID=days@base@offset, IDs recurring across drivers.
std::vector<std::u16string> HardwareIdLines(int count) {
  std::mt19937 random(42);
  std::vector<std::u16string> ids;
  for (int i = 0; i < count / 4; ++i) {
    const bool pci = random() % 3 != 0;
    ids.push_back(pci ? u"PCI\\VEN_" + Hex(random, 4) + u"&DEV_" + Hex(random, 4) +
                            (random() % 2 ? u"&SUBSYS_" + Hex(random, 8) : u"")
                      : u"USB\\VID_" + Hex(random, 4) + u"&PID_" + Hex(random, 4));
  }
  std::vector<std::u16string> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    lines.push_back(ids[random() % ids.size()] + u"=" + IntToStr(4000 + random() % 6000) + u"@" +
                    IntToStr(random() % 100000) + u"@" + IntToStr(random() % 50));
  }
  return lines;
}

void BM_SortHardwareIdLines(benchmark::State& state) {
  const auto lines = HardwareIdLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    TStringList list;
    for (const auto& s : lines) list.Add(s);
    state.ResumeTiming();
    list.SetSorted(true);
    benchmark::DoNotOptimize(list.Strings(0));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortHardwareIdLines)->Arg(500000)->Unit(benchmark::kMillisecond);

void BM_ValuesLookups(benchmark::State& state) {
  std::mt19937 random(5);
  TStringList strings;
  std::vector<std::u16string> names;
  for (int i = 0; i < 2000; ++i) {
    names.push_back(u"Str" + Hex(random, 6) + u"Desc");
    strings.Add(names.back() + u"=\"Some device description " + IntToStr(i) + u"\"");
  }
  for (auto _ : state) {
    size_t total = 0;
    for (int i = 0; i < 100000; ++i) total += strings.Values(names[random() % names.size()]).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ValuesLookups)->Unit(benchmark::kMillisecond);

void BM_SortedAdd(benchmark::State& state) {
  const auto lines = HardwareIdLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TStringList list;
    list.SetSorted(true);
    for (const auto& s : lines) list.Add(s);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortedAdd)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
