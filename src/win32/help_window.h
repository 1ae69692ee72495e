#pragma once
#include <windows.h>

#include <vector>

#include "platform/dialogs.h"
#include "win32/scoped_gdi.h"

namespace modlatch::win32 {

// A small resizable window that reads the help: the topics listed on the left, the chosen
// topic's text on the right.
class HelpWindow {
 public:
  HelpWindow() = default;
  ~HelpWindow();
  HelpWindow(const HelpWindow&) = delete;
  HelpWindow& operator=(const HelpWindow&) = delete;

  // Opens the window, or brings it forward, at the first topic.
  void Show(HINSTANCE instance, const std::vector<HelpTopic>& topics, Language language);
  void Close();
  // Keyboard navigation between the list and the text, and Escape to close.
  bool TranslateDialogMessage(MSG* message);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void Create(HINSTANCE instance);
  void ShowTopic(int index);
  void Layout();

  HWND hwnd_ = nullptr;
  HWND list_ = nullptr;
  HWND text_ = nullptr;
  ScopedGdiObject<HFONT> font_;
  int dpi_ = 96;
  std::vector<HelpTopic> topics_;
  Text title_;  // before the topic's own
};

}  // namespace modlatch::win32
