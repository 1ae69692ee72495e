#include "settings/language.h"

#include "settings/ini_access.h"

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

Language ChooseLanguage(std::uint16_t ui_language, const Text& option) {
  if (IsCode(option, u"ja")) return Language::kJapanese;
  if (IsCode(option, u"en")) return Language::kEnglish;
  return (ui_language & 0x3FF) == kPrimaryJapanese ? Language::kJapanese : Language::kEnglish;
}

void LoadLanguage(MainForm& form) {
  Platform& os = form.os;
  const Text option = ReadIniString(os, IniFilePath(os.files), u"Option", u"Language", u"");
  form.UiLanguage = ChooseLanguage(os.windows.UserUiLanguage(), option);
}

}  // namespace modlatch
