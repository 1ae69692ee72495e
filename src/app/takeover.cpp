#include "app/takeover.h"

namespace modlatch {
namespace {

constexpr char16_t kSwitch[] = u"/takeover ";
constexpr std::size_t kSwitchLength = sizeof kSwitch / sizeof kSwitch[0] - 1;

}  // namespace

Text TakeoverArguments(std::uint32_t process_id) {
  Text digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + process_id % 10));
    process_id /= 10;
  } while (process_id != 0);
  return kSwitch + digits;
}

// The system may leave blanks around the arguments it hands on.
std::optional<std::uint32_t> TakeoverProcessId(const Text& arguments) {
  const std::size_t begin = arguments.find_first_not_of(u' ');
  const std::size_t end = arguments.find_last_not_of(u' ');
  if (begin == Text::npos || arguments.compare(begin, kSwitchLength, kSwitch) != 0) return std::nullopt;
  const std::size_t first = begin + kSwitchLength;
  if (first > end || end - first >= 10) return std::nullopt;
  std::uint64_t id = 0;
  for (std::size_t i = first; i <= end; ++i) {
    if (arguments[i] < u'0' || arguments[i] > u'9') return std::nullopt;
    id = id * 10 + static_cast<std::uint64_t>(arguments[i] - u'0');
  }
  if (id == 0 || id > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(id);
}

}  // namespace modlatch
