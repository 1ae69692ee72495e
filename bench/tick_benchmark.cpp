// The tick that finds no change is the hot path: it runs ten times a second for the
// life of the program. These figures prove it stays four key queries and nothing else.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "latch/indicators.h"
#include "support/fake_platform.h"

namespace {
std::atomic<long long> g_allocations{0};
}  // namespace

// Counting replacements of the global allocation functions; GCC cannot see that they pair.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace modlatch {
namespace {

// Started in a display mode from its settings file, with every [Option] key on or none.
struct LoadedForm {
  LoadedForm(std::int64_t mode, std::int64_t all_options) {
    fake.keep_log = false;
    std::string ini = "[Option]\nWindowType=" + std::to_string(mode) + "\n";
    if (all_options) ini += "LatchAlt=True\nLatchWin=True\nOneShot=True\nNoActivate=True\nMiddleButton=True\n";
    fake.SetIniText("C:\\Tools\\ModLatch.ini", ini);
    OnLoad(form);
    fake.ClearLog();
  }
  testing::FakePlatform fake;
  MainForm form{fake.platform()};
};

void Report(benchmark::State& state, const testing::FakePlatform& fake, long long allocations) {
  const double ticks = static_cast<double>(state.iterations());
  state.counters["allocs/tick"] = static_cast<double>(allocations) / ticks;
  state.counters["key_queries/tick"] = fake.key_queries / ticks;
  state.counters["ui_calls/tick"] = fake.ui_calls / ticks;
  state.counters["tray_calls/tick"] = fake.tray_calls / ticks;
  // With every option off nothing but the key queries may run, in any mode.
  if (state.range(1) == 0 && fake.ui_calls + fake.tray_calls != 0) state.SkipWithError("an idle tick called the UI");
}

void BM_RefreshUnchanged(benchmark::State& state) {
  LoadedForm loaded(state.range(0), state.range(1));
  const long long before = g_allocations;
  for (auto _ : state) benchmark::DoNotOptimize(RefreshIndicators(loaded.form));
  Report(state, loaded.fake, g_allocations - before);
}
BENCHMARK(BM_RefreshUnchanged)->ArgsProduct({{0, 1, 2}, {0, 1}})->ArgNames({"mode", "options"});

void BM_TickUnchanged(benchmark::State& state) {
  LoadedForm loaded(state.range(0), state.range(1));
  const long long before = g_allocations;
  for (auto _ : state) OnTick(loaded.form);
  Report(state, loaded.fake, g_allocations - before);
}
BENCHMARK(BM_TickUnchanged)->ArgsProduct({{0, 1, 2}, {0, 1}})->ArgNames({"mode", "options"});

}  // namespace
}  // namespace modlatch

BENCHMARK_MAIN();
