#!/usr/bin/env bash
# Installs the build and test tools that are missing, then makes sure the
# Japanese locale exists (Wine needs it to pick code page 932).
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ python3
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32
  mingw-w64-i686-dev mingw-w64-x86-64-dev
  wine wine64
  xvfb xauth x11-utils xdotool imagemagick fonts-ipafont-gothic
  libgtest-dev libbenchmark-dev
  python3-jsonschema python3-rfc3987 python3-yaml
  clang libclang-rt-14-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  echo "install-deps: installing ${missing[*]}"
  $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  echo "install-deps: generating ja_JP.UTF-8"
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

# 32-bit Wine for the shipped exe (and, where the kernel needs it, the emulator that runs it).
"$(dirname "${BASH_SOURCE[0]}")/install-wine32.sh"
