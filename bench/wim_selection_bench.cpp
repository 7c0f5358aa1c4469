// Benchmarks of the WIM selection on generated catalogues of real-collection size.
#include <benchmark/benchmark.h>

#include <random>

#include "foundation/text.h"
#include "planning/wim_planner.h"
#include "planning/wim_selection.h"

namespace torvane {
namespace {

// Packages of 5 to 40 IDs drawn from a pool where IDs recur, as versions of one driver do;
// dump blocks are 8 lines plus the IDs, as in the planner's dump list.
struct Generated {
  TStringList catalogue;
  TStringList hwids;
};

Generated Generate(int packages) {
  std::mt19937 random(99);
  const int pool = packages * 8;
  TStringList index;
  Generated g;
  for (int p = 0; p < packages; ++p) {
    const int base = g.hwids.Count();
    g.hwids.Add(u"Drivers\\Files\\Net\\Vendor\\[1." + IntToStr(p) + u"]\\x.inf");
    for (int k = 1; k < 8; ++k) g.hwids.Add(u"-");
    const int ids = 5 + random() % 36;
    const std::u16string count = IntToStr(1000 + random() % 9000);
    for (int i = 0; i < ids; ++i) {
      const int id = static_cast<int>(random() % pool);
      g.hwids.Add(u"PCI\\VEN_" + IntToStr(id % 4000) + u"&DEV_" + IntToStr(id) + u"=Device");
      index.Add(u"PCI\\VEN_" + IntToStr(id % 4000) + u"&DEV_" + IntToStr(id) + u"=" + count + u"@" +
                IntToStr(base) + u"@" + IntToStr(i));
    }
  }
  index.SetSorted(true);
  g.catalogue = BuildSelectionCatalogue(index);
  g.catalogue.SetSorted(false);
  return g;
}

void BM_SelectWimPackages(benchmark::State& state) {
  const Generated g = Generate(static_cast<int>(state.range(0)));
  size_t selected = 0;
  for (auto _ : state) selected = SelectWimPackages(g.catalogue, g.hwids).size();
  state.counters["catalogue_lines"] = g.catalogue.Count();
  state.counters["selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_SelectWimPackages)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_SelectWimPackagesLiterally(benchmark::State& state) {
  const Generated g = Generate(static_cast<int>(state.range(0)));
  size_t selected = 0;
  for (auto _ : state) selected = SelectWimPackagesLiterally(g.catalogue, g.hwids).size();
  state.counters["catalogue_lines"] = g.catalogue.Count();
  state.counters["selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_SelectWimPackagesLiterally)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_BuildSelectionCatalogue(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Generate(static_cast<int>(state.range(0))).catalogue.Count());
}
BENCHMARK(BM_BuildSelectionCatalogue)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace torvane
