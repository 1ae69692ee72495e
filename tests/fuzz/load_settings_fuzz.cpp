// Feeds arbitrary bytes to start-up as the INI file and checks what loading must guarantee.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "form/main_form.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "support/fake_platform.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool ValidColor(modlatch::ColorValue color) { return color == -1 || (color >= 0 && color <= 0xFFFFFF); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace modlatch;
  testing::FakePlatform fake;
  fake.keep_log = false;
  fake.existing_paths = {"C:\\icons\\a.ico", "C:\\windows"};
  fake.SetIniText("C:\\Tools\\ModLatch.ini", std::string(reinterpret_cast<const char*>(data), size));
  MainForm form{fake.platform()};
  LoadSettings(form);

  const AppSettings& s = form.Settings;
  Require(form.DisplayMode >= display_mode::kCompact && form.DisplayMode <= display_mode::kFloat);
  Require(s.NoProc <= 1 && s.TaskTop <= 1);
  Require(s.Timer >= 0);
  for (ColorValue c : {s.ShiftBgColor_0, s.ShiftBgColor_1, s.CtrlBgColor_0, s.CtrlBgColor_1, s.ShiftForeColor_0,
                       s.ShiftForeColor_1, s.CtrlForeColor_0, s.CtrlForeColor_1}) {
    Require(ValidColor(c));
  }
  for (const Text* caption : {&s.ShiftChr_0, &s.ShiftChr_1, &s.CtrlChr_0, &s.CtrlChr_1}) {
    Require(fake.Encode(*caption).size() <= 127 * 3);  // cut at 127 bytes before decoding
  }

  // Whatever was loaded, the exit leaves both keys up and writes nine keys.
  SaveSettingsOnExit(form);
  Require(!fake.IsDown(vk::kShift) && !fake.IsDown(vk::kControl));
  Require(fake.ini_files["C:\\Tools\\ModLatch.ini"]["Option"].count("SizeLock") == 1);
  return 0;
}
