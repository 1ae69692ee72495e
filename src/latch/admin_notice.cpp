#include "latch/admin_notice.h"

#include <optional>

#include "form/main_form.h"
#include "form/texts.h"

namespace modlatch {
namespace {

constexpr char16_t kNoticeCaption[] = u"ModLatch";
// Titles are cut to this many characters, so the notice always fits its balloon.
constexpr std::size_t kTitleLength = 60;

Text ShortTitle(const Text& title) {
  if (title.size() <= kTitleLength) return title;
  std::size_t cut = kTitleLength - 1;
  // Never half of a character outside the basic plane.
  if (title[cut - 1] >= 0xD800 && title[cut - 1] <= 0xDBFF) --cut;
  return title.substr(0, cut) + u"\u2026";
}

// The clicked key's own icon in Double mode; the one icon of Compact mode is CTRL's holder.
std::optional<Modifier> IconOf(const MainForm& form, Modifier key) {
  if (form.TrayIcons[IndexOf(key)].shown) return key;
  for (int i = 0; i < kModifierCount; ++i) {
    if (form.TrayIcons[i].shown) return ModifierAt(i);
  }
  return std::nullopt;
}

// Already elevated, restarting would change nothing: the hint is left out.
Text NoticeText(MainForm& form, const Text& title) {
  const TextId id = form.os.elevation.RunsElevated() ? TextId::kKeysBlockedHigher : TextId::kKeysBlocked;
  return FillIn(UiText(form.UiLanguage, id), ShortTitle(title));
}

void ShowNotice(MainForm& form, Modifier key, const Text& text) {
  if (form.DisplayMode == display_mode::kFloat) {
    form.os.elevation_display.ShowKeyBalloon(key, kNoticeCaption, text);
  } else if (const std::optional<Modifier> icon = IconOf(form, key)) {
    form.os.tray.ShowBalloon(*icon, kNoticeCaption, text);
  }
}

}  // namespace

void NoticeIfKeysBlocked(MainForm& form, Modifier key) {
  Platform& os = form.os;
  os.elevation_display.HideKeyBalloon();
  const FrontWindow front = os.elevation.CompareFrontWindow();
  if (front.level != FrontLevel::kHigher) {
    form.KeysBlockedShownFor = 0;
    return;
  }
  if (front.window == form.KeysBlockedShownFor) return;
  form.KeysBlockedShownFor = front.window;
  ShowNotice(form, key, NoticeText(form, front.title));
}

}  // namespace modlatch
