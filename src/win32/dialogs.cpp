#include "win32/dialogs.h"

#include "form/texts.h"

namespace modlatch::win32 {

void Win32Dialogs::LoadAbout(Language language) {
  // A closed About window leaves only its object behind; a new one loads afresh.
  about_ = std::make_unique<AboutFormWindow>(system_, shell_, files_, language);
  about_->Load(instance_);
}

void Win32Dialogs::ShowHelpMessage(const Text& text, Language language) {
  ::MessageBoxW(nullptr, Wide(text), Wide(UiText(language, TextId::kHelpTitle)),
                MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

void Win32Dialogs::CloseWindows() {
  about_.reset();
  help_.Close();
}

void Win32Dialogs::ShowNotice(const Text& text) {
  ::MessageBoxW(nullptr, Wide(text), L"ModLatch", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace modlatch::win32
