#include "form/beside_executable.h"

namespace modlatch {

Text WithTrailingBackslash(const Text& path) {
  if (!path.empty() && path.back() == u'\\') return path;
  return path + u'\\';
}

Text PathBesideExecutable(AppFiles& files, const Text& extension) {
  return WithTrailingBackslash(files.AppPath()) + files.AppExeName() + extension;
}

}  // namespace modlatch
