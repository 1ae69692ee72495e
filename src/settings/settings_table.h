#pragma once
#include <array>
#include <optional>
#include <variant>

#include "form/main_form.h"
#include "platform/controls.h"

namespace modlatch {

// How a key's text becomes its field's value (settings/value_conversions.*).
enum class Conversion : std::uint8_t {
  kText,      // as written: an icon file or a caption
  kColor,     // RRGGBB; empty for none
  kGeometry,  // twips: the leading number, rounded; one beyond 32 bits is the default's
  kInterval,  // the polling interval in milliseconds
  kAnyText,   // 1 for any text, 0 for none
  kMode,      // a display mode; one outside the menu is Float
  kTrue,      // on for exactly "True"
  kLanguage,  // ja or en; anything else follows the system
  kSeconds,   // a time in seconds: the leading number, rounded; 0 (off) for none or below 1
  kStamp,     // never read; written as its default
};

// Who writes a key; every other key is only read, so a hand edit of it stays.
enum class Written : std::uint8_t { kNever, kAtExit, kInSubmenu };

// Where a key's value lives while the program runs.
using SettingField =
    std::variant<std::monostate, Text AppSettings::*, std::int32_t AppSettings::*, std::int16_t AppSettings::*,
                 std::uint8_t AppSettings::*, bool AppSettings::*, std::int16_t MainForm::*, Language MainForm::*>;

// The built-in picture an icon file replaces.
struct BankPicture {
  ImageBank bank;
  int index;
};

struct Setting {
  const char16_t* section;
  const char16_t* key;
  const char16_t* fallback;  // what a missing key reads as
  SettingField field;
  Conversion conversion;
  Written written = Written::kNever;
  std::optional<Modifier> latch = std::nullopt;  // ALT's and WIN's keys are read only while it is on
  std::optional<BankPicture> picture = std::nullopt;
};

// Every key of the settings file, in the order they are read; the exit writes its keys in this
// order too.
constexpr std::size_t kSettingCount = 55;
extern const std::array<Setting, kSettingCount> kSettings;

// The row of the key whose value this field holds.
const Setting& SettingOf(const SettingField& field);

// Reads the key from the file at path into the row's field of the form.
void ReadSetting(MainForm& form, const Text& path, const Setting& row);
// The row's field of `to` takes its value in `from`.
void CopySetting(MainForm& to, const MainForm& from, const Setting& row);
// The text a write of the row's key puts in the file: its field's value (or the stamp).
Text SettingText(const MainForm& form, const Setting& row);

}  // namespace modlatch
