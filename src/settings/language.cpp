#include "settings/language.h"

#include "mainwindow/run_as_admin.h"
#include "mainwindow/window_design.h"
#include "settings/ini_access.h"
#include "settings/settings_table.h"

namespace modlatch {
namespace {

constexpr std::uint16_t kPrimaryJapanese = 0x11;

// The value is the two-letter code, in either case.
bool IsCode(const Text& value, const char16_t* code) {
  if (value.size() != 2) return false;
  for (std::size_t i = 0; i < 2; ++i) {
    const char16_t c = value[i] >= u'A' && value[i] <= u'Z' ? static_cast<char16_t>(value[i] + 32) : value[i];
    if (c != code[i]) return false;
  }
  return true;
}

}  // namespace

const char16_t* LanguageCode(Language language) { return language == Language::kEnglish ? u"en" : u"ja"; }

Language ChooseLanguage(std::uint16_t ui_language, const Text& option) {
  for (Language language : {Language::kJapanese, Language::kEnglish}) {
    if (IsCode(option, LanguageCode(language))) return language;
  }
  return (ui_language & 0x3FF) == kPrimaryJapanese ? Language::kJapanese : Language::kEnglish;
}

void LoadLanguage(MainForm& form) {
  ReadSetting(form, IniFilePath(form.os.files), SettingOf(&MainForm::UiLanguage));
}

void ShowLanguage(MainForm& form) {
  Platform& os = form.os;
  const Language language = form.UiLanguage;
  for (const design::MenuEntry& entry : design::kPopupMenu) {
    if (!design::IsSeparator(entry)) os.menu.SetCaption(entry.item, UiText(language, entry.caption));
  }
  for (const design::MenuEntry& entry : design::kLatchMenuItems) {
    const Modifier key = entry.item == MenuItem::mALT ? Modifier::Alt : Modifier::Win;
    if (ModifierShown(form.Settings, key)) os.menu.SetCaption(entry.item, UiText(language, entry.caption));
  }
  os.menu.SetCaption(design::kOptionsMenu.item, UiText(language, design::kOptionsMenu.caption));
  for (const design::MenuEntry& entry : design::kOptionMenuItems) {
    os.menu.SetCaption(entry.item, UiText(language, entry.caption));
  }
  os.menu.SetCaption(design::kSignInStartMenuItem.item, UiText(language, design::kSignInStartMenuItem.caption));
  // Each language is named in itself, so a reader of either finds it.
  for (const design::LanguageEntry& entry : design::kLanguageMenuItems) {
    os.menu.SetCaption(entry.item, UiText(entry.language, entry.caption));
    os.menu.SetChecked(entry.item, entry.language == language);
  }
  os.controls.SetCloseName(UiText(language, TextId::kCloseName));
  ShowRunAsAdmin(form);
}

}  // namespace modlatch
