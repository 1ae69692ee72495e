#include "form/texts.h"

namespace modlatch {

const TextTable& TextsOf(Language language) {
  return language == Language::kEnglish ? kEnglishTexts : kJapaneseTexts;
}

// The tables are in TextId order (a unit test holds them to it), so an id is its index.
const char16_t* UiText(Language language, TextId id) { return TextsOf(language)[static_cast<std::size_t>(id)].text; }

Text FillIn(const char16_t* text, const Text& value) {
  Text out(text);
  const std::size_t at = out.find(u"%s");
  if (at != Text::npos) out.replace(at, 2, value);
  return out;
}

}  // namespace modlatch
