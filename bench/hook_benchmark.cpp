// The low-level hooks sit in front of every key and button event of the desktop while
// OneShot is on: what they add per event must stay far below anything a typist notices.
#include <benchmark/benchmark.h>

#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

struct HookedForm {
  explicit HookedForm(bool latched) {
    fake.keep_log = false;
    form.Settings.OneShot = true;
    form.DisplayMode = display_mode::kFloat;
    StartOneShot(form);
    if (latched) ToggleLatch(form, Modifier::Shift, LatchSource::kIndicator);
  }
  testing::FakePlatform fake;
  MainForm form{fake.platform()};
};

// A letter typed, down and up: nothing latched (the usual case), or SHIFT latched, where the
// down marks the latch used and the up asks for the release (which runs after the hook).
void BM_KeyEventThroughHook(benchmark::State& state) {
  HookedForm hooked(state.range(0) != 0);
  const HookKey down{0x41, false, false};
  const HookKey up{0x41, true, false};
  for (auto _ : state) {
    OnHookKey(hooked.form, down);
    OnHookKey(hooked.form, up);
  }
  state.SetItemsProcessed(2 * state.iterations());
  state.counters["release_requests/event"] =
      benchmark::Counter(hooked.fake.release_requests / (2.0 * state.iterations()));
}
BENCHMARK(BM_KeyEventThroughHook)->Arg(0)->Arg(1)->ArgName("latched");

// Our own injected SHIFT, which the hook must pass by.
void BM_OwnKeyEventThroughHook(benchmark::State& state) {
  HookedForm hooked(true);
  const HookKey own{0x10, false, true};
  for (auto _ : state) OnHookKey(hooked.form, own);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OwnKeyEventThroughHook);

// A click elsewhere, press and release: with a latch the press asks where it landed.
void BM_ButtonEventThroughHook(benchmark::State& state) {
  HookedForm hooked(state.range(0) != 0);
  hooked.fake.own_places.push_back({500, 300, 800, 400});
  HookButton press;
  press.press = {1, 1000, 10, 10};
  HookButton release = press;
  release.up = true;
  for (auto _ : state) {
    OnHookButton(hooked.form, press);
    OnHookButton(hooked.form, release);
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_ButtonEventThroughHook)->Arg(0)->Arg(1)->ArgName("latched");

}  // namespace
}  // namespace modlatch

BENCHMARK_MAIN();
