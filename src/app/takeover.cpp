#include "app/takeover.h"

namespace modlatch {
namespace {

constexpr char16_t kSwitch[] = u"/takeover ";

}  // namespace

Text TakeoverArguments(std::uint32_t process_id) {
  char16_t digits[10];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + process_id % 10);
    process_id /= 10;
  } while (process_id != 0);
  Text arguments(kSwitch);
  while (count != 0) arguments += digits[--count];
  return arguments;
}

// Plain loops: the string's search members would cost the shipped exe about a kilobyte. The system
// may leave blanks around the arguments it hands on.
std::optional<std::uint32_t> TakeoverProcessId(const Text& arguments) {
  const std::size_t size = arguments.size();
  std::size_t at = 0;
  while (at < size && arguments[at] == u' ') ++at;
  for (const char16_t* expected = kSwitch; *expected != u'\0'; ++expected, ++at) {
    if (at == size || arguments[at] != *expected) return std::nullopt;
  }
  std::uint64_t id = 0;
  std::size_t digits = 0;
  for (; at < size && arguments[at] >= u'0' && arguments[at] <= u'9' && digits <= 10; ++at, ++digits) {
    id = id * 10 + static_cast<std::uint64_t>(arguments[at] - u'0');
  }
  while (at < size && arguments[at] == u' ') ++at;
  if (at != size || digits == 0 || digits > 10 || id == 0 || id > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(id);
}

}  // namespace modlatch
