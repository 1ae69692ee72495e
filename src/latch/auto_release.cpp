#include "latch/auto_release.h"

#include "form/main_form.h"
#include "latch/toggle_latch.h"

namespace modlatch {
namespace {

bool AnyKeyOfOurs(const MainForm& form) {
  for (const OwnPress& own : form.OwnPressed) {
    if (own.down) return true;
  }
  return false;
}

}  // namespace

void ReleaseIfForgotten(MainForm& form) {
  const std::int32_t seconds = form.Settings.AutoRelease;
  if (seconds <= 0 || !AnyKeyOfOurs(form)) return;
  if (form.os.keyboard.MillisecondsSinceInput() / 1000 < static_cast<std::uint32_t>(seconds)) return;
  ReleaseLatchedKeys(form);
  // Nothing is ours now, even a key whose release no refresh has seen yet: no second release.
  form.OwnPressed = OwnPresses{};
}

}  // namespace modlatch
