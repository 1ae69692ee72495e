#include "app/single_instance.h"

#include <cstdint>

namespace modlatch {

Text InstanceLockName(const Text& path) {
  // Object names may not hold backslashes, so the path goes in as a hash.
  std::uint64_t hash = 14695981039346656037ull;
  for (char16_t c : path) {
    hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  }
  Text name = u"Local\\ModLatchInstance-";
  for (int shift = 60; shift >= 0; shift -= 4) name += u"0123456789abcdef"[(hash >> shift) & 0xF];
  return name;
}

}  // namespace modlatch
