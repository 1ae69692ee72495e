#pragma once
#include <cstdint>

#include "form/main_form.h"

namespace modlatch {

// [Option] Language "ja" or "en", in any case, wins; anything else follows the user's
// interface language: Japanese (primary language 0x11) gives Japanese, any other English.
Language ChooseLanguage(std::uint16_t ui_language, const Text& option);

// The value of [Option] Language that chooses the language.
const char16_t* LanguageCode(Language language);

// Sets the form's language from the INI file and the system; the windows are made in it.
void LoadLanguage(MainForm& form);
// Names the menu items and the close button in the form's language and marks it in the menu.
void ShowLanguage(MainForm& form);

}  // namespace modlatch
