#include <gtest/gtest.h>

#include "latch/one_shot.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::KeyUp;
using Lines = std::vector<std::string>;

struct Program : testing::StartedProgram {
  // One tick after `idle_ms` without input: the keys it sent and whether it asked for the time.
  Lines TickAfter(std::uint32_t idle_ms) {
    fake.idle_ms = idle_ms;
    fake.ClearLog();
    OnTick(form);
    asked = !fake.Matching("idle time").empty();
    return fake.Matching("key-");
  }
  bool asked = false;
};

TEST(AutoRelease, AForgottenLatchLetsGoAsTheResetDoesAndInputHoldsIt) {
  struct Case {
    const char* what;
    const char* ini;
    std::function<void(MainForm&)> latch;
    std::uint32_t idle_ms;
    bool asks;
    Lines released;
  };
  const auto menu = [](MenuItem item) { return [=](MainForm& form) { OnMenuCommand(form, item); }; };
  const auto nothing = [](MainForm&) {};
  const auto locked = [](MainForm& form) {
    OnMenuCommand(form, MenuItem::mSHIFT);
    LockLatch(form, Modifier::Shift);
  };
  const Lines reset{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)};
  const Case cases[] = {
      {"off", "AutoRelease=0", menu(MenuItem::mSHIFT), 3600000, false, {}},
      {"not a number", "AutoRelease=never", menu(MenuItem::mSHIFT), 3600000, false, {}},
      {"below a second", "AutoRelease=-60", menu(MenuItem::mSHIFT), 3600000, false, {}},
      {"nothing latched: the tick asks nothing", "AutoRelease=60", nothing, 3600000, false, {}},
      {"input within the minute", "AutoRelease=60", menu(MenuItem::mSHIFT), 59999, true, {}},
      {"a minute without input", "AutoRelease=60", menu(MenuItem::mSHIFT), 60000, true, reset},
      {"a hand-set 30 seconds", "AutoRelease=30", menu(MenuItem::mCTRL), 30000, true, reset},
      {"a locked one-shot key", "AutoRelease=60\nOneShot=True", locked, 60000, true, reset},
      {"ALT behind the mask key", "AutoRelease=60\nLatchAlt=True", menu(MenuItem::mALT), 60000, true,
       {KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl), testing::kMaskDown, testing::kMaskUp,
        KeyUp(Modifier::Alt)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Program run;
    run.Start(std::string(c.ini) + "\nSounds=True");
    c.latch(run.form);
    run.TickAfter(0);
    EXPECT_EQ(run.TickAfter(c.idle_ms), c.released);
    EXPECT_EQ(run.asked, c.asks);
    EXPECT_EQ(run.fake.Matching("sound").size(), c.released.empty() ? 0u : 1u) << "the release tone with Sounds on";
    // Released once: the keys sent count as input, and nothing is ours any more.
    EXPECT_TRUE(run.TickAfter(c.idle_ms).empty());
  }
}

}  // namespace
}  // namespace modlatch
