#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/main_form.h"
#include "support/fake_platform.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;

using testing::FakePlatform;
using Log = std::vector<std::string>;

// Little-endian 32-bit field of the record, read independently of the code under test.
std::uint32_t Field(const TrayIconData& record, std::size_t offset) {
  return record.bytes[offset] | record.bytes[offset + 1] << 8 | record.bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(record.bytes[offset + 3]) << 24;
}

std::string Tip(const TrayIconData& record) {
  return std::string(record.bytes.begin() + 24, record.bytes.end());
}

std::string Padded(const std::string& text) {
  std::string tip = text + '\0';
  return tip + std::string(64 - tip.size(), ' ');
}

class TrayRecord : public ::testing::Test {
 protected:
  FakePlatform fake;
  Platform& os = fake.platform();
  TrayIconData record;
};

TEST_F(TrayRecord, AddFillsEveryFieldAndSendsAdd) {
  record.bytes.fill(0xAB);  // leftovers must not survive
  AddTrayIcon(os, 0x2001, 0x402, u"abc", record);
  EXPECT_EQ(Field(record, 0), 88u);
  EXPECT_EQ(Field(record, 4), 0x2001u);
  EXPECT_EQ(Field(record, 8), 0u);
  EXPECT_EQ(Field(record, 12), 7u);
  EXPECT_EQ(Field(record, 16), 0x0200u);
  EXPECT_EQ(Field(record, 20), 0x402u);
  EXPECT_EQ(Tip(record), Padded("abc"));
  ASSERT_EQ(fake.tray_messages, std::vector<std::uint32_t>{0});
  EXPECT_EQ(fake.tray_records.back().bytes, record.bytes);
}

TEST_F(TrayRecord, TipIsTextThenOneNulThenBlanks) {
  AddTrayIcon(os, 0x2000, 0, u"", record);
  EXPECT_EQ(Tip(record), std::string(1, '\0') + std::string(63, ' '));

  const std::u16string longest(63, u'x');
  AddTrayIcon(os, 0x2000, 0, longest, record);
  EXPECT_EQ(Tip(record), std::string(63, 'x') + '\0');

  std::u16string too_long(63, u'y');
  too_long += u"zzzzzzz";
  AddTrayIcon(os, 0x2000, 0, too_long, record);
  EXPECT_EQ(Tip(record), std::string(63, 'y') + '\0') << "cut so that the NUL still fits";
}

TEST_F(TrayRecord, ModifyChangesOnlyImageTipAndFlags) {
  AddTrayIcon(os, 0x2001, 0x402, u"a longer first tooltip", record);
  record.bytes[12] = 0;  // flags must be written again
  ModifyTrayIcon(os, 0x9999, 0x403, u"xy", record);
  EXPECT_EQ(Field(record, 0), 88u);
  EXPECT_EQ(Field(record, 4), 0x2001u) << "the window argument is not used";
  EXPECT_EQ(Field(record, 8), 0u);
  EXPECT_EQ(Field(record, 12), 7u);
  EXPECT_EQ(Field(record, 16), 0x0200u);
  EXPECT_EQ(Field(record, 20), 0x403u);
  EXPECT_EQ(Tip(record), Padded("xy"));
  EXPECT_EQ(fake.tray_messages, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(fake.tray_records.back().bytes, record.bytes);
}

TEST_F(TrayRecord, DeleteSendsTheRecordUnchanged) {
  AddTrayIcon(os, 0x2001, 0x402, u"tip", record);
  const TrayIconData before = record;
  DeleteTrayIcon(os, record);
  EXPECT_EQ(fake.tray_messages.back(), 2u);
  EXPECT_EQ(fake.tray_records.back().bytes, before.bytes);
  EXPECT_EQ(record.bytes, before.bytes);
}

class TrayCallback : public ::testing::Test {
 protected:
  void Send(std::int16_t index, std::initializer_list<std::uint32_t> messages) {
    for (std::uint32_t m : messages) OnTrayCallback(form, index, m);
  }
  Log Effects() const {
    Log effects;
    for (const auto& line : fake.log) {
      if (line.rfind("key-", 0) == 0 || line == "popup" || line == "unload") effects.push_back(line);
    }
    return effects;
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(TrayCallback, ButtonDownSetsItsBitAndButtonUpActsThenClearsIt) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0201});
  EXPECT_EQ(form.TrayButtonsHeld, 1u);
  EXPECT_TRUE(Effects().empty()) << "nothing happens on the button-down";
  Send(0, {0x0202});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
  Send(0, {0x0204});
  EXPECT_EQ(form.TrayButtonsHeld, 2u);
  Send(0, {0x0205});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Shift), KeyDown(Modifier::Ctrl)}));  // SHIFT, then CTRL
}

TEST_F(TrayCallback, QuickDoubleClickTogglesTwice) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0201, 0x0202, 0x0203, 0x0202});
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Shift), KeyUp(Modifier::Shift)}));
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, LeftHeldRightClickOpensTheMenuBeforeTheRightBitClears) {
  form.DisplayMode = display_mode::kCompact;
  std::vector<std::uint32_t> held_while_open;
  fake.while_popup_open = [&] { held_while_open.push_back(form.TrayButtonsHeld); };
  Send(0, {0x0201, 0x0204, 0x0205});
  EXPECT_EQ(Effects(), Log{"popup"});
  EXPECT_EQ(held_while_open, std::vector<std::uint32_t>{3});
  EXPECT_EQ(form.TrayButtonsHeld, 1u) << "the left bit waits for a left button-up";

  Send(0, {0x0202});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, RightHeldLeftClickClearsOnlyTheLeftBit) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0204, 0x0201, 0x0202});
  EXPECT_EQ(Effects(), Log{"popup"});
  EXPECT_EQ(form.TrayButtonsHeld, 2u);
  Send(0, {0x0205});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, DoubleModePassesTheIconIndex) {
  form.DisplayMode = display_mode::kDouble;
  Send(0, {0x0201, 0x0202});
  Send(1, {0x0201, 0x0202});
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Ctrl), KeyDown(Modifier::Shift)}));  // CTRL icon, then SHIFT icon
  std::vector<std::uint32_t> held_while_open;
  fake.while_popup_open = [&] { held_while_open.push_back(form.TrayButtonsHeld); };
  Send(1, {0x0204, 0x0205});
  EXPECT_EQ(held_while_open, std::vector<std::uint32_t>{2});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, MoveDoubleClicksAndMiddleButtonDoNothing) {
  for (std::int16_t mode : {display_mode::kCompact, display_mode::kDouble}) {
    form.DisplayMode = mode;
    for (std::uint32_t held : {0u, 3u}) {
      form.TrayButtonsHeld = held;
      Send(0, {0x0200, 0x0203, 0x0206, 0x0207, 0x0208, 0x0209});
      EXPECT_EQ(form.TrayButtonsHeld, held);
    }
  }
  EXPECT_TRUE(fake.log.empty());
}

}  // namespace
}  // namespace modlatch
