#include "app/single_instance.h"

namespace modlatch {
namespace {

void AppendHex(Text& out, std::uint64_t value, int digits) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += u"0123456789abcdef"[(value >> shift) & 0xF];
}

std::uint64_t Fnv1a(const Text& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char16_t c : text) hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
  return hash;
}

}  // namespace

Text InstanceLockName(FileSystem& files, const Text& path) {
  // Object names may not hold backslashes, so neither the id nor the path goes in as text.
  Text name = u"Local\\ModLatchInstance-";
  if (const std::optional<FileId> id = files.IdOf(path)) {
    name += u"F";
    AppendHex(name, id->volume, 8);
    AppendHex(name, id->index, 16);
  } else {
    name += u"P";
    AppendHex(name, Fnv1a(files.NormalizedPath(path)), 16);
  }
  return name;
}

}  // namespace modlatch
